// The tides window, and in its streams mode the tidal-streams window: a
// station found by its name or as the nearest to a position, a day with a
// span of days, the zone and (for tides) the units; the events of those
// days as a table and a curve; the height or stream at a chosen time; the
// month as a printed tide table, the events as CSV, and tide data of the
// user's own.
#pragma once

#include "ebbflow/tables/command_output.h"
#include "ebbflow/core/tide_database.h"
#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"
#include "platform/module/time_entry.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QBoxLayout;
class QComboBox;
class QCompleter;
class QLineEdit;
class QTableWidget;
class QTimer;

namespace platform {
class DatePicker;
}

namespace ebbflow {

class TideCurve;

class TTideForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    enum class Mode { Tides, Streams };

    // The tides of Debian's data and the system's clock.
    explicit TTideForm(Mode mode, QWidget* parent = nullptr);
    // With tide data opened by the caller (none: the window says why), and
    // `now` the present instant (UTC seconds).
    TTideForm(Mode mode, std::optional<TideDatabase> data, std::function<double()> now, QWidget* parent = nullptr);
    ~TTideForm() override;

    Mode WindowMode() const { return mode_; }
    // The station shown; none while there is no tide data.
    const Station* CurrentStation() const;
    const TideDatabase* Data() const { return data_ ? &*data_ : nullptr; }

    // The station, typed with completion over the names of the mode's kind.
    QLineEdit* StationName = nullptr;
    QCompleter* Completer = nullptr;
    // ... or the nearest to a position.
    platform::PositionEntry Near;
    // The station's lines ("Kind", "Position", "Nearest to", "Reference
    // station", "Datum" or "Directions", "Notes"), as the command line has them.
    std::vector<QLabel*> StationResults;

    platform::DatePicker* Day = nullptr;
    QComboBox* SpanBox = nullptr;  // Day, Week, Month
    QComboBox* ZoneBox = nullptr;  // the station's zone, UTC, nautical zone time, the named zones
    QComboBox* UnitsBox = nullptr; // ft, m (tides)
    QLabel* Times = nullptr;       // the zone's clocks over the days

    QTableWidget* Events = nullptr;
    TideCurve* Curve = nullptr;
    QLabel* Notice = nullptr;

    platform::DatePicker* AtDate = nullptr;
    platform::TimeEntry AtTime;
    QLabel* AtResult = nullptr;

    // The events shown, and the zone their times are shown in.
    const std::vector<TideEvent>& ShownEvents() const { return events_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void BuildStation(QBoxLayout* where);
    void BuildDays(QBoxLayout* where);
    void BuildTable();
    void BuildAt();
    void BuildMenu();

    void UseData(TideDatabase data, const std::string& keepStation);
    void ChooseStation(const Station& station, std::optional<NearBy> near);
    void TakeStationName();
    void TakeNearest();
    void FillZones();
    timezones::Zone ShownZone() const;
    HeightUnits ShownUnits() const;
    void Recompute();
    void RecomputeAt();
    void ShowStation();
    void ShowTable(const timezones::Zone& zone);

    void OpenTideData();
    void ExportEvents();
    platform::ResultsPage Page() const;

    Mode mode_;
    std::function<double()> now_;
    std::optional<TideDatabase> data_;
    StationChoice choice_;
    std::vector<TideEvent> events_;
    std::pair<double, double> nearAsked_{0, 0}; // the position the nearest station was last found for
    std::string refusal_; // the status message of predictions refused, while it stands
    std::vector<std::string> zoneNames_; // the named zones of the list, after its first three
    QTimer* clock_ = nullptr;
};

} // namespace ebbflow
