#include "obsprep/window/obsprep_form.h"

#include "celpos/core/angle_texts.h"
#include "obsprep/core/plan_texts.h"
#include "obsprep/window/sky_picture.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "platform/widgets/radio_group.h"
#include "timezones/time_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cctype>
#include <charconv>
#include <cstdio>

namespace obsprep {
namespace {

constexpr char CourseMask[] = "000.0;1;_", SpeedMask[] = "00.0;1;_";
constexpr char CourseRefusal[] = " Max. 359.9", SpeedRefusal[] = " Max. 60.0";
constexpr int ListMinimumWidth = 430, ListMinimumHeight = 250;

// A result's object name: "Result" and the letters and digits of its name.
QString ResultName(const std::string& name)
{
    QString object = QStringLiteral("Result");
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) object += QLatin1Char(c);
    return object;
}

// A course or speed as its mask shows it: "045.0", "07.5".
std::string MaskText(double value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*.1f", width, value);
    return text;
}

QStringList Items(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

SkyPicture::MarkKind KindOf(astro::BodyKind kind)
{
    return kind == astro::BodyKind::Moon     ? SkyPicture::MarkKind::Moon
           : kind == astro::BodyKind::Planet ? SkyPicture::MarkKind::Planet
                                             : SkyPicture::MarkKind::Star;
}

} // namespace

TObsPrepForm::TObsPrepForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TObsPrepForm"), QStringLiteral("Planning an Astronomical Position Fix"), parent),
      Dr(
          this, QStringLiteral("Dr"), QStringLiteral("DR"), [this] { return Format(); },
          [this](const std::string& m) { SetStatus(m); }),
      DrTime(this, QStringLiteral("DrTimeField"), QStringLiteral("DR time"),
             [this](const std::string& m) { SetStatus(m); }),
      ListTime(this, QStringLiteral("ListTimeField"), QStringLiteral("Time of the list (UT)"),
               [this](const std::string& m) { SetStatus(m); })
{
    MakeInputs();
    MakeResults();
    SetPage(QStringLiteral("Planning list"), [this] { return Page(); });
    Finish();
    Recompute();
}

void TObsPrepForm::MakeInputs()
{
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* voyage = new QGroupBox(QStringLiteral("Dead reckoning"), centralWidget());
    auto* voyageForm = new QFormLayout(voyage);
    Dr.AddRows(voyageForm);
    voyageForm->addRow(QStringLiteral("DR &time (ZT):"), DrTime.Field);
    CourseEdit = new platform::MaskEdit(voyage);
    SpeedEdit = new platform::MaskEdit(voyage);
    const struct {
        platform::MaskEdit* Field;
        const char *Object, *Name, *Caption, *Mask;
    } numbers[] = {{CourseEdit, "CourseEdit", "Course", "&Course (\xB0):", CourseMask},
                   {SpeedEdit, "SpeedEdit", "Speed", "&Speed (kn):", SpeedMask}};
    for (const auto& n : numbers) {
        n.Field->setObjectName(QString::fromLatin1(n.Object));
        n.Field->setAccessibleName(QString::fromLatin1(n.Name));
        n.Field->SetSignsAllowed(false);
        n.Field->SetEditMask(n.Mask);
        voyageForm->addRow(QString::fromLatin1(n.Caption), n.Field);
    }
    CourseEdit->SetText(MaskText(0, 5));
    SpeedEdit->SetText(MaskText(0, 4));
    left->addWidget(voyage);

    auto* when = new QGroupBox(QStringLiteral("Date and time"), centralWidget());
    auto* whenForm = new QFormLayout(when);
    DateField = AddDateField(whenForm, QStringLiteral("DateField"), QStringLiteral("Ship's date"),
                             QStringLiteral("D&ate"), [this] { Recompute(); });
    DateField->setDateRange(QDate(FirstDate.Year, FirstDate.Month, FirstDate.Day),
                            QDate(LastDate.Year, LastDate.Month, LastDate.Day));
    whenForm->addRow(QStringLiteral("T&ime of the list (UT):"), ListTime.Field);
    AtTwilightBox = new QCheckBox(QStringLiteral("Middle of &nautical twilight"), when);
    AtTwilightBox->setObjectName(QStringLiteral("AtTwilightBox"));
    AtTwilightBox->setChecked(true);
    whenForm->addRow(QString(), AtTwilightBox);
    left->addWidget(when);
    top->addLayout(left);

    auto* middle = new QVBoxLayout;
    MakeChoices(middle);
    top->addLayout(middle);
    Picture = new SkyPicture(centralWidget());
    top->addWidget(Picture, 1);
    Body()->addLayout(top);

    // The fields were made in another order than they are read in.
    QWidget* const chain[] = {Dr.Lat,     Dr.NorS,   Dr.Lon,    Dr.EorW,        DrTime.Field,
                              CourseEdit, SpeedEdit, DateField, ListTime.Field, AtTwilightBox};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    connect(&Dr, &platform::PositionEntry::changed, this, [this] { Recompute(); });
    connect(&DrTime, &platform::TimeEntry::changed, this, [this] { Recompute(); });
    connect(CourseEdit, &platform::MaskEdit::exited, this,
            [this] { Guarded([this] { NumberExit(CourseEdit, course_, LargestCourse, CourseRefusal, 5); }); });
    connect(SpeedEdit, &platform::MaskEdit::exited, this,
            [this] { Guarded([this] { NumberExit(SpeedEdit, speed_, LargestSpeed, SpeedRefusal, 4); }); });
    for (platform::MaskEdit* field : {CourseEdit, SpeedEdit})
        connect(field, &platform::MaskEdit::restored, this, [this] { SetStatus({}); });
    // A time typed is the time of the list; ticking the box brings back twilight's.
    connect(&ListTime, &platform::TimeEntry::changed, this, [this] {
        AtTwilightBox->setChecked(false);
        Recompute();
    });
    connect(AtTwilightBox, &QCheckBox::clicked, this, [this] { Guarded([this] { Recompute(); }); });
}

void TObsPrepForm::MakeChoices(QBoxLayout* where)
{
    const struct {
        platform::RadioGroup** Group;
        const char *Object, *Title;
        QStringList Items;
        int Chosen;
    } groups[] = {
        {&TwilightGroup, "TwilightGroup", "Twilight", Items({"&Morning", "&Evening"}), EveningItem},
        {&OrderGroup, "OrderGroup", "Order", Items({"By &brightness", "By a&zimuth"}), BrightnessItem},
        {&SetGroup, "SetGroup", "Stars in the set", Items({"&3 stars", "&5 stars"}), ThreeStars},
    };
    for (const auto& g : groups) {
        auto* group = new platform::RadioGroup(centralWidget());
        group->setObjectName(QString::fromLatin1(g.Object));
        group->setTitle(QString::fromLatin1(g.Title));
        group->setAccessibleName(QString::fromLatin1(g.Title));
        group->SetItems(g.Items);
        group->SetItemIndex(g.Chosen);
        where->addWidget(group);
        *g.Group = group;
    }
    connect(TwilightGroup, &platform::RadioGroup::clicked, this, [this] { Guarded([this] { Recompute(); }); });
    connect(SetGroup, &platform::RadioGroup::clicked, this, [this] { Guarded([this] { Recompute(); }); });
    connect(OrderGroup, &platform::RadioGroup::clicked, this, [this] {
        Guarded([this] {
            if (plan_)
                plan_ = Reordered(*plan_, OrderGroup->ItemIndex() == AzimuthItem ? Order::Azimuth : Order::Brightness);
            ShowTable();
        });
    });
    AddDisplayGroup(where, [this] {
        Dr.FormatChanged();
        Show();
    });
    where->addStretch();
}

void TObsPrepForm::MakeResults()
{
    auto* bottom = new QHBoxLayout;
    auto* results = new QGroupBox(QStringLiteral("Planning"), centralWidget());
    auto* form = new QFormLayout(results);
    const Plan none;
    Lines lines = TwilightLines(none);
    const Lines list = ListLines(none, geo::AngleFormat::DMdd);
    lines.insert(lines.end(), list.begin(), list.end());
    for (const auto& [name, value] : lines)
        Results.push_back(AddResult(form, ResultName(name), platform::ToQt(name)));
    bottom->addWidget(results);

    const std::vector<std::string> headings = ListHeadings();
    ListTable = new QTableWidget(0, static_cast<int>(headings.size()), centralWidget());
    ListTable->setObjectName(QStringLiteral("ListTable"));
    ListTable->setAccessibleName(QStringLiteral("Planning list"));
    QStringList labels;
    for (const std::string& heading : headings)
        labels << platform::ToQt(heading);
    ListTable->setHorizontalHeaderLabels(labels);
    ListTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListTable->setSelectionMode(QAbstractItemView::SingleSelection);
    ListTable->setTabKeyNavigation(false);
    ListTable->verticalHeader()->setVisible(false);
    ListTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ListTable->horizontalHeader()->setStretchLastSection(true);
    ListTable->setMinimumSize(ListMinimumWidth, ListMinimumHeight);
    bottom->addWidget(ListTable, 1);
    Body()->addLayout(bottom, 1);
}

void TObsPrepForm::NumberExit(platform::MaskEdit* field, double& stored, double largest, const char* refusal, int width)
{
    // The mask holds a digit in every place: the text is a number.
    const std::string text = field->Text();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value > largest) {
        SetStatus(refusal);
        field->SetRefusedText(text, MaskText(stored, width));
        platform::TakeFocusBack(*field);
        return;
    }
    SetStatus({});
    if (value == stored) return;
    stored = value;
    Recompute();
}

PlanRequest TObsPrepForm::Request() const
{
    PlanRequest r;
    r.DrLatDeg = Dr.Latitude();
    r.DrLonDeg = Dr.Longitude();
    r.DrSecondOfDay = DrTime.Seconds();
    r.CourseDeg = course_;
    r.SpeedKn = speed_;
    const QDate date = DateField->date();
    r.Date = {date.year(), date.month(), date.day()};
    r.When = TwilightGroup->ItemIndex() == MorningItem ? Twilight::Morning : Twilight::Evening;
    if (!AtTwilightBox->isChecked()) r.SecondOfDay = ListTime.Seconds();
    r.ListOrder = OrderGroup->ItemIndex() == AzimuthItem ? Order::Azimuth : Order::Brightness;
    r.SetSize = SetGroup->ItemIndex() == FiveStars ? LargeSet : SmallSet;
    return r;
}

void TObsPrepForm::Recompute()
{
    try {
        plan_ = MakePlan(Request());
        refusal_.clear();
    } catch (const PlanError& refused) {
        plan_.reset();
        refusal_ = refused.what();
    }
    SetStatus(refusal_);
    if (plan_ && plan_->AtTwilight && plan_->Utc) {
        const auto seconds = static_cast<std::int64_t>(*plan_->Utc);
        ListTime.SetSeconds(static_cast<int>(timezones::FloorMod(seconds, timezones::SecondsPerDay)));
    }
    Show();
}

void TObsPrepForm::Show()
{
    Lines lines;
    if (plan_) {
        lines = TwilightLines(*plan_);
        const Lines list = ListLines(*plan_, Format());
        lines.insert(lines.end(), list.begin(), list.end());
    }
    for (std::size_t i = 0; i < Results.size(); ++i)
        SetResult(Results[i], i < lines.size() ? lines[i].second : std::string());
    ShowTable();
    ShowPicture();
}

void TObsPrepForm::ShowTable()
{
    const std::vector<std::vector<std::string>> rows =
        plan_ ? ListRows(*plan_) : std::vector<std::vector<std::string>>{};
    ListTable->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool proposed = !rows[r][ProposedColumn].empty();
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(platform::ToQt(rows[r][c]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            QFont font = item->font();
            font.setBold(proposed);
            item->setFont(font);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ListTable->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
}

void TObsPrepForm::ShowPicture()
{
    if (!plan_ || !plan_->Utc) {
        Picture->Clear(platform::ToQt(plan_ ? ListLines(*plan_, Format()).front().second : refusal_));
        return;
    }
    std::vector<SkyPicture::Mark> marks;
    for (const SkyBody& b : plan_->Bodies)
        marks.push_back({QString::fromUtf8(b.Body.c_str()), b.HcDeg, b.ZnDeg, b.Magnitude, KindOf(b.Kind),
                         IsProposed(*plan_, b.Body)});
    // What a screen reader hears: the set with each star's bearing and altitude.
    std::string description;
    for (const SkyBody& b : plan_->Proposed)
        description += (description.empty() ? "Proposed: " : "; ") + b.Body + " bearing " +
                       celpos::AzimuthText(b.ZnDeg) + ", altitude " + celpos::AltitudeText(b.HcDeg);
    if (description.empty()) description = "No set proposed: " + ProposedText(*plan_);
    description += ". " + std::to_string(plan_->Bodies.size()) + " bodies between 15\xB0 and 75\xB0.";
    Picture->SetSky(std::move(marks), platform::ToQt(description));
}

platform::ResultsPage TObsPrepForm::Page() const
{
    platform::ResultsPage page;
    const PlanRequest asked = plan_ ? plan_->Asked : Request();
    page.Title = "Planning an Astronomical Position Fix : " + timezones::FormatDate(asked.Date);
    const std::string dr =
        geo::FormatAngle(Format(), false, asked.DrLatDeg) + "   " + geo::FormatAngle(Format(), true, asked.DrLonDeg);
    page.Inputs = {
        {"DR", dr + "   at " + platform::FromQt(DrTime.Field->text()) + " ZT" +
                   (plan_ ? " (" + TimeText(plan_->Dr.DrUtc) + ")" : std::string())},
        {"Course and speed", MaskText(asked.CourseDeg, 5) + "\xB0   " + MaskText(asked.SpeedKn, 4) + " kn"},
    };
    if (!plan_) {
        page.Results = {{"Refused", refusal_}};
        return page;
    }
    page.Results = TwilightLines(*plan_);
    const Lines list = ListLines(*plan_, Format());
    page.Results.insert(page.Results.end(), list.begin(), list.end());
    page.Headings = PageHeadings();
    page.Rows = PageRows(*plan_);
    page.Notes = {
        "* the proposed set: stars whose gaps in azimuth lie within a quarter of the even gap, the faintest as bright "
        "as can be.",
        "Hc and Zn from the DR at the time of the list, geocentric, no refraction; the Moon appears up to 1\xB0 lower.",
        "Twilights with the Sun's centre at -6\xB0 (civil) and -12\xB0 (nautical), where the DR will be. Times UT.",
    };
    return page;
}

} // namespace obsprep
