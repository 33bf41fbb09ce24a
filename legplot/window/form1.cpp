#include "legplot/window/form1.h"

#include "geo/angle_text.h"
#include "geo/errors.h"
#include "legplot/window/voyage_printout.h"
#include "platform/widgets/accessible_lists.h"
#include "platform/window/help_window.h"
#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"
#include "platform/desktop/number_settings.h"
#include "platform/print/print_service.h"
#include "platform/window/surface_colours.h"
#include "platform/window/window_setup.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDate>
#include <QLayout>
#include <QLocale>
#include <QScopeGuard>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>
#include <limits>
#include <string>

namespace legplot {
namespace {

constexpr int MessageCaptionWidth = 65;
constexpr double NoFigure = std::numeric_limits<double>::quiet_NaN(); // shows as dashes


} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    // The ellipsoid list is heard by its name, its item as its value.
    platform::ReadPullDownListsByName();
    setupUi(this);
    legs_ = {{
        {Maskedit11, MaskEdit16, MaskEdit21, Label7, Label12, Label24, Label29},
        {Maskedit12, MaskEdit17, MaskEdit22, Label8, Label14, Label25, Label30},
        {Maskedit13, MaskEdit18, MaskEdit23, Label9, Label15, Label26, Label31},
        {Maskedit14, MaskEdit19, MaskEdit24, Label10, Label16, Label27, Label32},
        {maskedit15, MaskEdit20, MaskEdit25, Label11, Label17, Label28, Label33},
    }};
    ApplyLook();
    FormCreate();
    for (const LegRow& row : legs_)
        ResultsChanged(row);
    NameForScreenReaders();
    WireEvents();
}

void TForm1::ApplyLook()
{
    // The client area below the menu has the form's fixed size; the window
    // is neither resizable nor maximizable.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    platform::KeepReadableSurfaces(*this, [this] { ApplyTextColours(); });

    platform::CentreOnFirstShow(*this);
    // Labels without a size of their own fit their caption.
    platform::FitAutoSizeLabels(*ClientArea);

    RadioGroup1->SetItems({QStringLiteral("DM.dd"), QStringLiteral("DMS"), QStringLiteral("DMS.sss")});
    // The group's buttons take its place in the tab order, after the
    // ellipsoid and before the legs.
    QWidget::setTabOrder(ComboBox1, RadioGroup1->Item(0));
    QWidget::setTabOrder(RadioGroup1->Item(0), RadioGroup1->Item(1));
    QWidget::setTabOrder(RadioGroup1->Item(1), RadioGroup1->Item(2));
    QWidget::setTabOrder(RadioGroup1->Item(2), MaskEdit21);

    auto* caption = new QLabel(QStringLiteral("Message"), StatusBar1);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFixedWidth(MessageCaptionWidth);
    caption->setFrameShape(QFrame::Panel);
    caption->setFrameShadow(QFrame::Sunken);
    messagePanel_ = new QLabel(StatusBar1);
    messagePanel_->setObjectName(QStringLiteral("StatusPanel1"));
    messagePanel_->setTextFormat(Qt::PlainText); // a message is never markup
    messagePanel_->setFrameShape(QFrame::Panel);
    messagePanel_->setFrameShadow(QFrame::Sunken);
    StatusBar1->addWidget(caption);
    StatusBar1->addWidget(messagePanel_, 1);

    DatePicker->setDisplayFormat(QLocale::system().dateFormat(QLocale::LongFormat));
    // Only the dates the computation can count.
    DatePicker->setDateRange(QDate(1600, 1, 1), QDate(3999, 12, 31));

    // The start fields hold magnitudes: the hemisphere is the letter's.
    lat_edit->SetSignsAllowed(false);
    lon_edit->SetSignsAllowed(false);

    TimePicker->SetPicture("hh:mm", platform::PictureField::Kind::Time);
    for (const LegRow& row : legs_) {
        row.interval->SetPicture("##:##", platform::PictureField::Kind::Text);
        row.speed->SetEditMask("00.0;1;_");
        row.course->SetEditMask("000.0;1;_");
    }
}

void TForm1::ApplyTextColours()
{
    platform::SetTextColour(*this, platform::Navy);
    for (QLabel* heading : {Label6, Label39, Label4, Label3, Label41, Label5, Label40, Label20, Label21, Label22,
                            Label23, Label42, Label43, Label44, Label45, Label46})
        platform::SetTextColour(*heading, Qt::black);
    for (const LegRow& row : legs_)
        for (QLabel* result : {row.lat, row.lon, row.date, row.time})
            platform::SetTextColour(*result, Qt::black);
}

void TForm1::WireEvents()
{
    connect(RadioGroup1, &platform::RadioGroup::clicked, this, &TForm1::RadioGroup1Click);
    connect(lat_edit, &platform::MaskEdit::exited, this, &TForm1::lat_editExit);
    connect(lon_edit, &platform::MaskEdit::exited, this, &TForm1::lon_editExit);
    connect(NorS, &platform::Edit::changed, this, &TForm1::NorSChange);
    connect(NorS, &platform::Edit::clicked, this, &TForm1::NorSClick);
    connect(NorS, &platform::Edit::exited, this, &TForm1::NorSExit);
    connect(EorW, &platform::Edit::changed, this, &TForm1::EorWChange);
    connect(EorW, &platform::Edit::clicked, this, &TForm1::EorWClick);
    connect(EorW, &platform::Edit::exited, this, &TForm1::EorWExit);
    connect(DatePicker, &platform::DatePicker::dateChanged, this, &TForm1::DatePickerChange);
    connect(TimePicker, &platform::PictureField::exited, this, &TForm1::TimePickerExit);
    // activated: the user's pick only, not a selection from code.
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);

    using Handler = void (TForm1::*)();
    const Handler intervalExits[] = {&TForm1::MaskEdit11Exit, &TForm1::MaskEdit12Exit, &TForm1::MaskEdit13Exit,
                                     &TForm1::MaskEdit14Exit, &TForm1::MaskEdit15Exit};
    const Handler speedExits[] = {&TForm1::MaskEdit16Exit, &TForm1::MaskEdit17Exit, &TForm1::MaskEdit18Exit,
                                  &TForm1::MaskEdit19Exit, &TForm1::MaskEdit20Exit};
    const Handler courseExits[] = {&TForm1::MaskEdit21Exit, &TForm1::MaskEdit22Exit, &TForm1::MaskEdit23Exit,
                                   &TForm1::MaskEdit24Exit, &TForm1::MaskEdit25Exit};
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        connect(legs_[i].interval, &platform::PictureField::exited, this, intervalExits[i]);
        connect(legs_[i].speed, &platform::MaskEdit::exited, this, speedExits[i]);
        connect(legs_[i].course, &platform::MaskEdit::exited, this, courseExits[i]);
    }

    connect(FileOpenItem, &QAction::triggered, this, &TForm1::FileOpen);
    connect(FileSaveItem, &QAction::triggered, this, &TForm1::FileSave);
    connect(FileSaveAsItem, &QAction::triggered, this, &TForm1::FileSaveAs);
    connect(FileExportRouteItem, &QAction::triggered, this, &TForm1::FileExportRoute);
    connect(FileExportChartItem, &QAction::triggered, this, &TForm1::FileExportChart);
    connect(ViewChartItem, &QAction::triggered, this, &TForm1::ViewChart);
    connect(FilePrintItem, &QAction::triggered, this, &TForm1::FilePrint);
    connect(FileExitItem, &QAction::triggered, this, &TForm1::FileExit);
    // Help: the dead-reckoning chapter of the manual and its keys, in a
    // help window of the program's own.
    for (auto [item, page] : {std::pair{HelpManualItem, "legplot.html"}, std::pair{HelpKeyboardItem, "legplot.html#keyboard"}})
        connect(item, &QAction::triggered, this, [this, page] {
            if (!platform::ShowManualPage(this, QString::fromLatin1(page)))
                SetStatusMessage("The manual is not installed beside this program.");
        });

    // F10 opens the menu, as desktop programs do; like Alt+F it leaves the
    // field with the focus untouched.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { MainMenu->setActiveAction(FileMenu->menuAction()); });
}

void TForm1::FormCreate()
{
    platform::Guard([this] {
        savedDecimalSeparator_ = platform::DecimalSeparator();
        platform::SetDecimalSeparator('.');
        dateSeparator_ = platform::LocaleDateSeparator();
        timeSeparator_ = platform::LocaleTimeSeparator();

        for (std::string_view name : geo::EllipsoidNames)
            ComboBox1->addItem(platform::ToQt(std::string(name)));
        for (Leg& leg : plan_.Legs) {
            leg.Course = 0;
            leg.Speed = 0;
        }
        ComboBox1->setCurrentIndex(0);
        RadioGroup1->SetItemIndex(0);
        NorS->SetText("N");
        EorW->SetText("E");
        lat_edit->SetEditMask(geo::AngleLayout(geo::AngleFormat::DMdd, false));
        lon_edit->SetEditMask(geo::AngleLayout(geo::AngleFormat::DMdd, true));
        lat_edit->SetText("00\xB0" "00'00");
        lon_edit->SetText("000\xB0" "00'00");
        for (const LegRow& row : legs_)
            row.interval->SetText("00:00");
        TimePicker->SetText("00:00");
        plan_.DepartureTimeText = TimePicker->Text();

        const QDate today = QDate::currentDate();
        const std::string todayText =
            DateText(DayNumberOf(today.year(), today.month(), today.day()), dateSeparator_);
        for (const LegRow& row : legs_)
            row.date->setText(platform::ToQt(todayText));
        DatePicker->setDate(today);
    });
}

void TForm1::FormClose()
{
    platform::Guard([this] { platform::SetDecimalSeparator(savedDecimalSeparator_); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A voyage kept in a file and changed since is not dropped unasked.
    bool leave = false;
    platform::Guard([this, &leave] { leave = MayLeaveVoyage(); });
    if (!leave) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::ResultsChanged(const LegRow& row)
{
    // Result labels grow with their text (DMS.sss is the widest), from the
    // position and at least the size the form gives them. A screen reader
    // reads a label's name ("Leg 3 end latitude") and then its text.
    for (QLabel* label : {row.lat, row.lon, row.date, row.time}) {
        label->resize(std::max({label->width(), label->sizeHint().width(),
                                label->fontMetrics().horizontalAdvance(label->text())}),
                      label->height());
        label->setAccessibleDescription(label->text());
    }
}

void TForm1::NameForScreenReaders()
{
    const std::pair<QWidget*, const char*> start[] = {
        {lat_edit, "Start latitude"},     {NorS, "Start latitude hemisphere"},
        {lon_edit, "Start longitude"},    {EorW, "Start longitude hemisphere"},
        {DatePicker, "Date of departure"}, {TimePicker, "Time of departure"},
        {ComboBox1, "Ellipsoid"},         {RadioGroup1, "Display"},
    };
    for (const auto& [widget, name] : start)
        widget->setAccessibleName(QString::fromLatin1(name));
    // The status message has no name of its own: a reader reads its text.
    Label13->setBuddy(ComboBox1);
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        const LegRow& row = legs_[i];
        const QString leg = QStringLiteral("Leg %1 ").arg(i + 1);
        const std::pair<QWidget*, const char*> fields[] = {
            {row.course, "course"},        {row.speed, "speed"},           {row.interval, "interval"},
            {row.lat, "end latitude"},     {row.lon, "end longitude"},     {row.date, "date of arrival"},
            {row.time, "time of arrival"},
        };
        for (const auto& [widget, name] : fields)
            widget->setAccessibleName(leg + QString::fromLatin1(name));
    }
}

QString TForm1::StatusMessage() const
{
    return messagePanel_->text();
}

void TForm1::SetStatusMessage(const std::string& message)
{
    messagePanel_->setText(platform::ToQt(message));
}

geo::AngleFormat TForm1::CurrentFormat() const
{
    return static_cast<geo::AngleFormat>(RadioGroup1->ItemIndex());
}

void TForm1::RecomputeVoyage()
{
    const QDate departure = DatePicker->date();
    VoyageInputs in{departure.year(), departure.month(), departure.day(), TimePicker->Text(),
                    ComboBox1->currentIndex(), CurrentFormat(), dateSeparator_, timeSeparator_};
    const auto show = [this](int leg, const LegTexts& texts) {
        const LegRow& row = legs_[static_cast<std::size_t>(leg - 1)];
        row.lat->setText(platform::ToQt(texts.Lat));
        row.lon->setText(platform::ToQt(texts.Lon));
        row.date->setText(platform::ToQt(texts.Date));
        row.time->setText(platform::ToQt(texts.Time));
        ResultsChanged(row);
    };
    const auto markChanges = qScopeGuard([this] {
        UpdateModifiedMark();
        UpdateChart();
    });
    try {
        SailVoyage(plan_, in, show);
    } catch (const geo::InvalidOperation&) {
        ShowUncomputedLegs();
        const auto firstUncomputed = std::find_if(plan_.Legs.begin(), plan_.Legs.end(),
                                                  [](const Leg& leg) { return !leg.Computed; });
        const int leg = static_cast<int>(firstUncomputed - plan_.Legs.begin()) + 1;
        poleMessage_ = "Leg " + std::to_string(leg) + " passes a pole";
        SetStatusMessage(poleMessage_);
        // The error report says so once; a run that stops at the same leg
        // again says so in the status bar only, so that no box swallows
        // the keys typed meanwhile.
        const bool again = leg == poleLeg_;
        poleLeg_ = leg;
        if (again)
            return;
        throw;
    } catch (...) {
        ShowUncomputedLegs();
        throw;
    }
    // A pole passed by an earlier run is behind us.
    if (!poleMessage_.empty() && StatusMessage() == platform::ToQt(poleMessage_))
        SetStatusMessage("");
    poleMessage_.clear();
    poleLeg_ = 0;
}

void TForm1::ShowUncomputedLegs()
{
    // No figures: the position layout with dashes, no date, no time.
    for (std::size_t i = 0; i < legs_.size(); ++i) {
        if (plan_.Legs[i].Computed)
            continue;
        const LegRow& row = legs_[i];
        row.lat->setText(platform::ToQt(geo::FormatAngle(CurrentFormat(), false, NoFigure)));
        row.lon->setText(platform::ToQt(geo::FormatAngle(CurrentFormat(), true, NoFigure)));
        row.date->clear();
        row.time->clear();
        ResultsChanged(row);
    }
}

void TForm1::FilePrint()
{
    platform::Guard([this] {
        // The page has no document name; a failure names the voyage.
        platform::Printing().Print(this, platform::PrintJob{QString(), QStringLiteral("The voyage could not be printed")},
                                   [this](platform::PrintCanvas& canvas) { PrintPage(canvas); });
    });
}

void TForm1::PrintPage(platform::PrintCanvas& canvas) const
{
    // The departure time the figures were computed from, not a time typed
    // since and not yet taken; the start position as typed, where its field
    // shows it so: the thousandth a binary value would lose is not lost on
    // the page either.
    const auto start = [this](bool isLongitude) {
        const std::string shown =
            geo::FormatAngle(CurrentFormat(), isLongitude, isLongitude ? plan_.StartLon : plan_.StartLat);
        const std::size_t hemisphere = shown.rfind(' ');
        return hemisphere == std::string::npos ? shown : StartFieldText(isLongitude) + shown.substr(hemisphere);
    };
    const PrintoutSettings settings{plan_.DepartureTimeText, CurrentFormat(), dateSeparator_, timeSeparator_,
                                    start(false), start(true)};
    PrintVoyage(canvas, plan_, settings);
}

void TForm1::FileExit()
{
    platform::Guard([this] { close(); });
}

} // namespace legplot
