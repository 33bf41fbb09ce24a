#include "solara/window/sun_moon_form.h"

#include "geo/position_text.h"
#include "platform/desktop/latin1.h"
#include "platform/print/print_service.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "solara/core/day_texts.h"
#include "solara/window/day_picture.h"
#include "solara/window/sun_moon_pages.h"
#include "timezones/time_errors.h"
#include "timezones/zone_files.h"

#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cctype>
#include <functional>

namespace solara {
namespace {

constexpr int PictureSamples = 289; // every 5 minutes of a 24-hour day, both ends
constexpr int HoursBetweenMarks = 3;

// A result's object name: "Result" and the letters and digits of its name.
QString ResultName(const std::string& name)
{
    QString object = QStringLiteral("Result");
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            object += QLatin1Char(c);
    return object;
}

std::vector<QLabel*> AddResults(const std::function<QLabel*(QFormLayout*, const QString&, const QString&)>& add,
                                QFormLayout* form, const Lines& lines)
{
    std::vector<QLabel*> labels;
    for (const auto& [name, value] : lines)
        labels.push_back(add(form, ResultName(name), platform::ToQt(name)));
    return labels;
}

std::string ZoneTimeItem(double longitude)
{
    return "Zone time (" + timezones::ZoneDifferenceText(timezones::NauticalZoneDifference(longitude)) + ")";
}

} // namespace

TSunMoonForm::TSunMoonForm(QWidget* parent)
    : ModuleWindow(QStringLiteral("TSunMoonForm"), QStringLiteral("Sun and Moon Phenomena (Rise and Set)"), parent),
      Position(this, QString(), QString(), [this] { return Format(); }, [this](const std::string& m) { SetStatus(m); })
{
    auto* top = new QHBoxLayout;
    auto* input = new QGroupBox(QStringLiteral("Place, date and time zone"), centralWidget());
    auto* form = new QFormLayout(input);
    Position.AddRows(form);
    HeightEdit = new platform::Edit(input);
    HeightEdit->setObjectName(QStringLiteral("HeightEdit"));
    HeightEdit->setAccessibleName(QStringLiteral("Height of eye"));
    HeightEdit->SetText("0");
    form->addRow(QStringLiteral("Height of &eye (m):"), HeightEdit);
    DateField = AddDateField(form, QStringLiteral("DateField"), QStringLiteral("Date"), QStringLiteral("D&ate"),
                             [this] { Recompute(); });
    DateField->setDateRange(QDate(FirstDate.Year, FirstDate.Month, FirstDate.Day),
                            QDate(LastDate.Year, LastDate.Month, LastDate.Day));
    ZoneBox = new QComboBox(input);
    ZoneBox->setObjectName(QStringLiteral("ZoneBox"));
    ZoneBox->setAccessibleName(QStringLiteral("Time zone"));
    ZoneBox->addItems({QStringLiteral("UTC"), platform::ToQt(ZoneTimeItem(0.0)), QStringLiteral("Named zone")});
    form->addRow(QStringLiteral("&Time zone:"), ZoneBox);
    ZoneNameEdit = new platform::Edit(input);
    ZoneNameEdit->setObjectName(QStringLiteral("ZoneNameEdit"));
    ZoneNameEdit->setAccessibleName(QStringLiteral("Zone name"));
    try {
        for (const std::string& name : timezones::ZoneNames())
            zoneNames_ << QString::fromStdString(name);
    } catch (const timezones::TimeError& e) {
        SetStatus(e.what()); // the names cannot be offered; a name typed is still read
    }
    // Completed as it is typed, in the field itself: the rest of the first
    // name that starts so is filled in, selected, for the next key to
    // replace or Tab to take.
    auto* completer = new QCompleter(zoneNames_, ZoneNameEdit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    ZoneNameEdit->setCompleter(completer);
    form->addRow(QStringLiteral("Zone &name:"), ZoneNameEdit);
    top->addWidget(input);
    Picture = new DayPicture(centralWidget());
    top->addWidget(Picture, 1);
    Body()->addLayout(top);

    const auto add = [this](QFormLayout* where, const QString& object, const QString& name) {
        return AddResult(where, object, name);
    };
    Tabs = new QTabWidget(centralWidget());
    Tabs->setObjectName(QStringLiteral("Tabs"));
    auto* dayPage = new QWidget(Tabs);
    auto* dayRow = new QHBoxLayout(dayPage);
    auto* sunBox = new QGroupBox(QStringLiteral("Sun"), dayPage);
    SunResults = AddResults(add, new QFormLayout(sunBox), SunLines({}, timezones::Zone::Utc()));
    auto* moonBox = new QGroupBox(QStringLiteral("Moon"), dayPage);
    MoonResults = AddResults(add, new QFormLayout(moonBox), MoonLines({}, timezones::Zone::Utc()));
    auto* phaseBox = new QGroupBox(QStringLiteral("Moon's phases this month"), dayPage);
    PhaseResults = AddResults(add, new QFormLayout(phaseBox), MonthPhaseLines({}, timezones::Zone::Utc()));
    auto* moonColumn = new QVBoxLayout;
    moonColumn->addWidget(moonBox);
    moonColumn->addWidget(phaseBox);
    dayRow->addWidget(sunBox);
    dayRow->addLayout(moonColumn);
    Tabs->addTab(dayPage, QStringLiteral("&Day"));
    MonthTable = new QTableWidget(Tabs);
    MonthTable->setObjectName(QStringLiteral("MonthTable"));
    MonthTable->setAccessibleName(QStringLiteral("Month table"));
    MonthTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MonthTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    MonthTable->verticalHeader()->setVisible(false);
    QStringList headings;
    for (const std::string& heading : MonthHeadings())
        headings << platform::ToQt(heading);
    MonthTable->setColumnCount(static_cast<int>(headings.size()));
    MonthTable->setHorizontalHeaderLabels(headings);
    Tabs->addTab(MonthTable, QStringLiteral("&Month"));
    Body()->addWidget(Tabs, 1);

    connect(&Position, &platform::PositionEntry::changed, this, [this] {
        UpdateZoneTimeItem();
        Recompute();
    });
    connect(HeightEdit, &platform::Edit::exited, this, [this] { Guarded([this] { HeightExit(); }); });
    connect(ZoneBox, &QComboBox::activated, this, [this] { Guarded([this] { ZoneChosen(); }); });
    connect(ZoneNameEdit, &platform::Edit::exited, this, [this] { Guarded([this] { ZoneNameExit(); }); });
    for (platform::Edit* field : {HeightEdit, ZoneNameEdit})
        field->installEventFilter(this);

    PrintMonthAction = new QAction(QStringLiteral("Print &Month"), this);
    const QList<QAction*> items = FileMenu()->actions();
    const qsizetype afterPrint = items.indexOf(PrintAction()) + 1;
    FileMenu()->insertAction(afterPrint < items.size() ? items[afterPrint] : nullptr, PrintMonthAction);
    connect(PrintMonthAction, &QAction::triggered, this, [this] {
        Guarded([this] {
            platform::Printing().Print(this, QStringLiteral("Almanac month"), [this](platform::PrintCanvas& canvas) {
                platform::DrawResultsPage(canvas, MonthPageNow());
            });
        });
    });
    SetPage(QStringLiteral("Almanac day"), [this] { return Page(); });
    Finish();
    Recompute();
}

bool TSunMoonForm::eventFilter(QObject* watched, QEvent* event)
{
    // Escape brings back what the field stored and takes back its refusal.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (watched == HeightEdit) {
            HeightEdit->SetText(geo::DecimalText(height_));
            HeightEdit->selectAll();
            SetStatus({});
            return true;
        }
        if (watched == ZoneNameEdit) {
            ZoneNameEdit->SetText(named_ ? named_->Name() : std::string());
            ZoneNameEdit->selectAll();
            SetStatus({});
            return true;
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

timezones::Zone TSunMoonForm::CurrentZone() const
{
    if (zoneKind_ == ZoneTime)
        return timezones::Zone::Nautical(Position.Longitude());
    if (zoneKind_ == NamedZone && named_)
        return *named_;
    return timezones::Zone::Utc();
}

astro::Observer TSunMoonForm::CurrentObserver() const
{
    return ObserverAt(Position.Latitude(), Position.Longitude(), height_);
}

timezones::CivilDate TSunMoonForm::CurrentDate() const
{
    const QDate date = DateField->date();
    return {date.year(), date.month(), date.day()};
}

void TSunMoonForm::UpdateZoneTimeItem()
{
    ZoneBox->setItemText(ZoneTime, platform::ToQt(ZoneTimeItem(Position.Longitude())));
}

void TSunMoonForm::HeightExit()
{
    try {
        height_ = ParseHeightOfEye(HeightEdit->Text());
    } catch (const AlmanacError& refused) {
        SetStatus(refused.what());
        platform::TakeFocusBack(*HeightEdit);
        return;
    }
    SetStatus({});
    Recompute();
}

void TSunMoonForm::ZoneNameExit()
{
    // A name typed in other letters is the list's name.
    QString typed = ZoneNameEdit->text().trimmed();
    for (const QString& name : zoneNames_)
        if (name.compare(typed, Qt::CaseInsensitive) == 0)
            typed = name;
    const std::string text = platform::FromQt(typed);
    if (text.empty() || (named_ && text == named_->Name())) {
        ZoneNameEdit->SetText(named_ ? named_->Name() : std::string());
        if (!named_ || zoneKind_ == NamedZone)
            return;
    } else {
        try {
            named_ = timezones::LoadZone(text);
        } catch (const timezones::TimeError& refused) {
            SetStatus(refused.what());
            platform::TakeFocusBack(*ZoneNameEdit);
            return;
        }
        ZoneNameEdit->SetText(named_->Name());
    }
    // A zone name taken is the zone of the times.
    zoneKind_ = NamedZone;
    ZoneBox->setCurrentIndex(NamedZone);
    SetStatus({});
    Recompute();
}

void TSunMoonForm::ZoneChosen()
{
    if (ZoneBox->currentIndex() == NamedZone && !named_) {
        ZoneBox->setCurrentIndex(zoneKind_);
        SetStatus("Type the zone's name in Zone name, as Europe/London");
        ZoneNameEdit->setFocus(Qt::TabFocusReason);
        return;
    }
    zoneKind_ = ZoneBox->currentIndex();
    Recompute();
}

void TSunMoonForm::Recompute()
{
    try {
        const timezones::Zone zone = CurrentZone();
        const astro::Observer observer = CurrentObserver();
        const timezones::CivilDate date = CurrentDate();
        day_ = DayAt(observer, zone, date);
        month_ = MonthOf(observer, zone, date);
        zone_ = zone;
        refusal_.clear();
    } catch (const AlmanacError& refused) {
        refusal_ = refused.what();
    } catch (const timezones::TimeError& refused) {
        refusal_ = refused.what();
    }
    if (!refusal_.empty()) {
        day_.reset();
        month_.clear();
    }
    SetStatus(refusal_);
    ShowDay();
    ShowMonth();
    ShowPicture();
}

void TSunMoonForm::ShowDay()
{
    const auto show = [](const std::vector<QLabel*>& labels, const Lines& lines) {
        for (std::size_t i = 0; i < labels.size(); ++i)
            SetResult(labels[i], i < lines.size() ? lines[i].second : std::string());
    };
    show(SunResults, day_ ? SunLines(*day_, *zone_) : Lines{});
    show(MoonResults, day_ ? MoonLines(*day_, *zone_) : Lines{});
    show(PhaseResults, day_ ? MonthPhaseLines(month_, *zone_) : Lines{});
}

void TSunMoonForm::ShowMonth()
{
    MonthTable->setRowCount(static_cast<int>(month_.size()));
    for (std::size_t r = 0; r < month_.size(); ++r) {
        const std::vector<std::string> cells = MonthRow(month_[r], *zone_);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(platform::ToQt(cells[c]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            MonthTable->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    MonthTable->resizeColumnsToContents();
}

void TSunMoonForm::ShowPicture()
{
    if (!day_) {
        Picture->Clear(platform::ToQt(refusal_));
        return;
    }
    const timezones::Zone& zone = *zone_;
    std::vector<DayPicture::HourMark> hours;
    for (int h = 0; h <= 24; h += HoursBetweenMarks) {
        const timezones::LocalDateTime local =
            h < 24 ? timezones::AtTime(day_->Date, h, 0, 0) : timezones::LocalDateTime{NextDay(day_->Date), 0};
        const auto t = static_cast<double>(zone.ToUtc(local, timezones::LocalChoice::Earlier));
        if (t >= static_cast<double>(day_->Bounds.Start) && t <= static_cast<double>(day_->Bounds.End))
            hours.push_back({t, QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'))});
    }
    const auto now = static_cast<double>(QDateTime::currentSecsSinceEpoch());
    const bool today = now >= static_cast<double>(day_->Bounds.Start) && now < static_cast<double>(day_->Bounds.End);
    // What a screen reader hears of the picture: the day's course in a sentence.
    std::string summary;
    for (const Lines& lines : {SunLines(*day_, zone), MoonLines(*day_, zone)})
        for (const auto& [name, value] : lines)
            if (name == "Sunrise" || name == "Sun's meridian altitude" || name == "Sunset" || name == "Daylight" ||
                name == "Moonrise" || name == "Moonset")
                summary += (summary.empty() ? "" : "; ") + name + " " + value;
    Picture->SetDay(DayCurve(CurrentObserver(), day_->Bounds, PictureSamples), std::move(hours),
                    today ? std::optional<double>(now) : std::nullopt, platform::ToQt(summary));
}

PageInputs TSunMoonForm::CurrentInputs() const
{
    return {Position.Text(false) + "   " + Position.Text(true), geo::DecimalText(height_) + " m"};
}

platform::ResultsPage TSunMoonForm::Page() const
{
    const PageInputs inputs = CurrentInputs();
    if (!day_) {
        platform::ResultsPage page;
        page.Title = "Sun and Moon";
        page.Inputs = {{"Position", inputs.Position}, {"Height of eye", inputs.HeightOfEye}};
        page.Results = {{"Refused", refusal_}};
        return page;
    }
    return DayPage(inputs, *zone_, *day_, month_);
}

platform::ResultsPage TSunMoonForm::MonthPageNow() const
{
    return day_ ? MonthPage(CurrentInputs(), *zone_, day_->Date, month_) : Page();
}

} // namespace solara
