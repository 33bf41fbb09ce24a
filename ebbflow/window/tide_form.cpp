#include "ebbflow/window/tide_form.h"


#include "ebbflow/tables/event_texts.h"
#include "ebbflow/core/station_search.h"
#include "ebbflow/core/tide_errors.h"
#include "ebbflow/window/tide_curve.h"
#include "ebbflow/window/utf8_texts.h"
#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "timezones/time_errors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace ebbflow {
namespace {

constexpr int ClockMilliseconds = 30000; // how often the present time moves on the curve
constexpr int FirstNamedZone = 3;        // after the station's zone, UTC and nautical zone time

double SystemNow()
{
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

KindFilter KindOf(TTideForm::Mode mode)
{
    return mode == TTideForm::Mode::Streams ? KindFilter::Current : KindFilter::Tide;
}

QDate QDateOf(timezones::CivilDate date)
{
    return {date.Year, date.Month, date.Day};
}

// The station's lines the window shows, in order, by their names.
std::vector<std::string> StationLineNames(TTideForm::Mode mode)
{
    if (mode == TTideForm::Mode::Streams)
        return {"Kind", "Position", "Nearest to", "Reference station", "Directions", "Speeds", "Notes"};
    return {"Kind", "Position", "Nearest to", "Reference station", "Datum", "Notes"};
}

} // namespace

TTideForm::TTideForm(Mode mode, QWidget* parent) : TTideForm(mode, std::nullopt, SystemNow, parent)
{
    Guarded([this] {
        try {
            UseData(TideDatabase::Open(), {});
        } catch (const TideDataError& e) {
            SetStatus(Latin1Of(e.what()));
        }
    });
}

TTideForm::TTideForm(Mode mode, std::optional<TideDatabase> data, std::function<double()> now, QWidget* parent)
    : ModuleWindow(QStringLiteral("TTideForm"), mode == Mode::Streams ? QStringLiteral("Tidal Streams") : QStringLiteral("Tides"),
                   parent),
      Near(this, QStringLiteral("Near"), QStringLiteral("Nearest to"), [] { return geo::AngleFormat::DMdd; },
           [this](const std::string& m) { SetStatus(m); }),
      AtTime(this, QStringLiteral("AtTime"), mode == Mode::Streams ? QStringLiteral("Stream at time") : QStringLiteral("Height at time"),
             [this](const std::string& m) { SetStatus(m); }),
      mode_(mode), now_(std::move(now))
{
    Build();
    Finish();
    if (data)
        Guarded([this, &data] { UseData(std::move(*data), {}); });
    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, [this] { Curve->SetNow(now_()); });
    clock_->start(ClockMilliseconds);
}

TTideForm::~TTideForm() = default;

const Station* TTideForm::CurrentStation() const
{
    return choice_.Chosen;
}

void TTideForm::Build()
{
    auto* top = new QHBoxLayout;
    Body()->addLayout(top);
    BuildStation(top);
    BuildDays(top);
    BuildTable();
    BuildAt();
    BuildMenu();
    // Top to bottom, whatever order the fields were made in.
    QWidget* chain[] = {StationName, Near.Lat, Near.NorS, Near.Lon, Near.EorW, Day, SpanBox, ZoneBox, UnitsBox,
                        Events, AtDate, AtTime.Field};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TTideForm::BuildStation(QBoxLayout* where)
{
    auto* box = new QGroupBox(QStringLiteral("Station"), centralWidget());
    auto* form = new QFormLayout(box);
    StationName = new QLineEdit(box);
    StationName->setObjectName(QStringLiteral("StationName"));
    StationName->setAccessibleName(QStringLiteral("Station"));
    Completer = new QCompleter(this);
    Completer->setCaseSensitivity(Qt::CaseInsensitive);
    Completer->setFilterMode(Qt::MatchContains);
    Completer->setModel(new QStringListModel(Completer));
    StationName->setCompleter(Completer);
    form->addRow(QStringLiteral("&Station:"), StationName);
    // Taken on Return and whenever the field is left: the focus leaving it
    // while its completions are shown sends no editingFinished.
    connect(StationName, &QLineEdit::returnPressed, this, [this] { Guarded([this] { TakeStationName(); }); });
    StationName->installEventFilter(this);
    connect(Completer, qOverload<const QString&>(&QCompleter::activated), this, [this](const QString& name) {
        Guarded([this, name] {
            StationName->setText(name);
            TakeStationName();
        });
    });
    form->addRow(new QLabel(QStringLiteral("Or the nearest to:"), box));
    Near.AddRows(form);
    connect(&Near, &platform::PositionEntry::changed, this, [this] { Guarded([this] { TakeNearest(); }); });
    for (const std::string& name : StationLineNames(mode_))
        StationResults.push_back(AddResult(form, QString::fromStdString(name).remove(' '), QString::fromStdString(name)));
    where->addWidget(box, 3);
}

void TTideForm::BuildDays(QBoxLayout* where)
{
    auto* box = new QGroupBox(QStringLiteral("Days"), centralWidget());
    auto* form = new QFormLayout(box);
    Day = AddDateField(form, QStringLiteral("Day"), QStringLiteral("Day"), QStringLiteral("&Day"), [this] { Recompute(); });
    const auto list = [&](const QString& objectName, const QString& name, const QString& caption,
                          const QStringList& items) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(objectName);
        combo->setAccessibleName(name);
        combo->addItems(items);
        form->addRow(caption, combo);
        connect(combo, &QComboBox::activated, this, [this] { Guarded([this] { Recompute(); }); });
        return combo;
    };
    SpanBox = list(QStringLiteral("SpanBox"), QStringLiteral("Span"), QStringLiteral("S&pan:"),
                   {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month")});
    ZoneBox = list(QStringLiteral("ZoneBox"), QStringLiteral("Zone"), QStringLiteral("&Zone:"), {});
    FillZones();
    UnitsBox = list(QStringLiteral("UnitsBox"), QStringLiteral("Units"), QStringLiteral("&Units:"),
                    {QStringLiteral("ft"), QStringLiteral("m")});
    form->setRowVisible(UnitsBox, mode_ == Mode::Tides);
    Times = AddResult(form, QStringLiteral("Times"), QStringLiteral("Times"));
    Times->setWordWrap(true);
    where->addWidget(box, 2, Qt::AlignTop);
}

void TTideForm::FillZones()
{
    ZoneBox->addItems({QStringLiteral("Station's zone"), QStringLiteral("UTC"), QStringLiteral("Nautical zone time")});
    try {
        zoneNames_ = timezones::ZoneNames();
    } catch (const timezones::TimeError& e) {
        SetStatus(Latin1Of(e.what())); // the station's zone, UTC and zone time remain
    }
    for (const std::string& name : zoneNames_)
        ZoneBox->addItem(QString::fromStdString(name));
}

void TTideForm::BuildTable()
{
    auto* row = new QHBoxLayout;
    auto* column = new QVBoxLayout;
    Events = new QTableWidget(0, mode_ == Mode::Streams ? 5 : 4, centralWidget());
    Events->setObjectName(QStringLiteral("Events"));
    Events->setAccessibleName(mode_ == Mode::Streams ? QStringLiteral("Slack waters and strongest streams")
                                                     : QStringLiteral("High and low waters"));
    Events->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Events->setSelectionBehavior(QAbstractItemView::SelectRows);
    Events->setTabKeyNavigation(false); // Tab leaves the table; the arrows walk it
    Events->verticalHeader()->hide();
    Events->horizontalHeader()->setStretchLastSection(true);
    auto* caption = new QLabel(QStringLiteral("&Events:"), centralWidget());
    caption->setBuddy(Events);
    column->addWidget(caption);
    column->addWidget(Events);
    row->addLayout(column, 1);
    Curve = new TideCurve(centralWidget());
    Curve->setAccessibleName(mode_ == Mode::Streams ? QStringLiteral("Stream curve") : QStringLiteral("Tide curve"));
    row->addWidget(Curve, 1);
    Body()->addLayout(row, 1);
    Notice = new QLabel(centralWidget());
    Notice->setObjectName(QStringLiteral("Notice"));
    Notice->setAccessibleName(QStringLiteral("Notice"));
    Notice->setTextFormat(Qt::PlainText);
    Notice->setWordWrap(true);
    Body()->addWidget(Notice);
}

void TTideForm::BuildAt()
{
    auto* box = new QGroupBox(mode_ == Mode::Streams ? QStringLiteral("Stream at a time") : QStringLiteral("Height at a time"),
                              centralWidget());
    auto* form = new QFormLayout(box);
    const bool streams = mode_ == Mode::Streams;
    AtDate = AddDateField(form, QStringLiteral("AtDate"), streams ? QStringLiteral("Stream at date") : QStringLiteral("Height at date"),
                          streams ? QStringLiteral("Stream &at") : QStringLiteral("Height &at"), [this] { RecomputeAt(); });
    form->addRow(QStringLiteral("Time:"), AtTime.Field);
    connect(&AtTime, &platform::TimeEntry::changed, this, [this] { Guarded([this] { RecomputeAt(); }); });
    AtResult = AddResult(form, QStringLiteral("AtResult"), streams ? QStringLiteral("Stream") : QStringLiteral("Height"));
    AtResult->setWordWrap(true);
    Body()->addWidget(box);
}

void TTideForm::UseData(TideDatabase data, const std::string& keepStation)
{
    const KindFilter kind = KindOf(mode_);
    if (ListStations(data, kind).empty())
        throw TideDataError("The tide data could not be read from " + data.File() + ": it holds no " +
                            (mode_ == Mode::Streams ? "tidal-stream" : "tide") + " stations");
    QStringList names;
    for (const Station* s : ListStations(data, kind))
        names << FromUtf8(s->Name);
    const bool first = !data_;
    choice_ = {};
    data_ = std::move(data);
    static_cast<QStringListModel*>(Completer->model())->setStringList(names);
    const Station* chosen = nullptr;
    for (const Station* s : ListStations(*data_, kind))
        if (s->Name == keepStation || (!chosen && keepStation.empty() && s->IsReference()))
            chosen = s;
    if (!chosen)
        chosen = ListStations(*data_, kind).front();
    if (!keepStation.empty() && chosen->Name != keepStation)
        SetStatus(Latin1Of("The tide data hold no station " + keepStation + ": " + chosen->Name + " is shown"));
    if (first) {
        // The present on the station's clock, before the first predictions.
        const timezones::Zone zone = StationZone(*chosen);
        const double now = now_();
        Day->setDate(QDateOf(DateIn(zone, now)));
        AtDate->setDate(Day->date());
        AtTime.SetSeconds(zone.LocalTimeOf(timezones::RoundToSecond(now)).SecondOfDay);
    }
    ChooseStation(*chosen, std::nullopt);
}

void TTideForm::ChooseStation(const Station& station, std::optional<NearBy> near)
{
    choice_ = {&station, near};
    StationName->setText(FromUtf8(station.Name));
    StationName->setCursorPosition(0);
    ZoneBox->setItemText(0, QStringLiteral("Station's zone (%1)").arg(station.Zone.empty() ? QStringLiteral("UTC")
                                                                                             : QString::fromStdString(station.Zone)));
    ZoneBox->setItemText(2, QStringLiteral("Nautical zone time (%1)")
                                .arg(QString::fromStdString(timezones::Zone::Nautical(station.Longitude).Name())));
    ShowStation();
    Recompute();
}

void TTideForm::ShowStation()
{
    const std::vector<StationLine> lines = StationLines(*data_, choice_);
    const std::vector<std::string> names = StationLineNames(mode_);
    auto* form = static_cast<QFormLayout*>(StationResults.front()->parentWidget()->layout());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const StationLine& l) { return l.first == names[i]; });
        SetResult(StationResults[i], line == lines.end() ? std::string() : Latin1Of(line->second));
        form->setRowVisible(StationResults[i], line != lines.end());
    }
}

bool TTideForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StationName && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A menu or another window keeps the field the one being typed in.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            Completer->popup()->hide();
            Guarded([this] { TakeStationName(); });
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

void TTideForm::TakeStationName()
{
    if (!data_)
        return;
    const std::string name = StationName->text().trimmed().toStdString();
    if (choice_.Chosen && name == choice_.Chosen->Name)
        return;
    try {
        ChooseStation(FindStation(*data_, name, KindOf(mode_)), std::nullopt);
        SetStatus({});
    } catch (const StationSearchError& e) {
        SetStatus(Latin1Of(e.what()));
    }
}

void TTideForm::TakeNearest()
{
    if (!data_)
        return;
    // The fields say they changed whenever one is left; a station is found
    // only for a position the user has not asked for yet.
    const double lat = Near.Latitude(), lon = Near.Longitude();
    if (lat == nearAsked_.first && lon == nearAsked_.second)
        return;
    nearAsked_ = {lat, lon};
    const NearStation found = NearestStation(*data_, lat, lon, KindOf(mode_));
    ChooseStation(*found.Found, NearBy{lat, lon, found.DistanceNm, found.CourseDeg});
}

timezones::Zone TTideForm::ShownZone() const
{
    const int index = ZoneBox->currentIndex();
    if (index == 1 || !choice_.Chosen)
        return timezones::Zone::Utc();
    if (index == 2)
        return timezones::Zone::Nautical(choice_.Chosen->Longitude);
    if (index >= FirstNamedZone && static_cast<std::size_t>(index - FirstNamedZone) < zoneNames_.size())
        return timezones::LoadZone(zoneNames_[static_cast<std::size_t>(index - FirstNamedZone)]);
    return StationZone(*choice_.Chosen);
}

HeightUnits TTideForm::ShownUnits() const
{
    if (mode_ == Mode::Streams)
        return HeightUnits::Station;
    return UnitsBox->currentIndex() == 1 ? HeightUnits::Metres : HeightUnits::Feet;
}

} // namespace ebbflow
