// The Sun-and-Moon window: a position typed like the dead-reckoning start,
// a height of eye, a date and a time zone (UTC, the position's zone time,
// or a named zone of the system's database); the day's events, the Moon,
// the month's principal phases, a picture of the day and a month table,
// recomputed whenever a field is left. File > Print prints the day, File >
// Print Month the month.
#pragma once

#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"
#include "solara/core/almanac.h"
#include "solara/window/sun_moon_pages.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QTableWidget;
class QTabWidget;

namespace platform {
class DatePicker;
class Edit;
} // namespace platform

namespace solara {

class DayPicture;

class TSunMoonForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TSunMoonForm(QWidget* parent = nullptr);

    platform::PositionEntry Position;
    platform::Edit* HeightEdit = nullptr;   // metres, 0 to 100
    platform::DatePicker* DateField = nullptr;
    QComboBox* ZoneBox = nullptr;           // "UTC", "Zone time (ZD -1)", "Named zone"
    platform::Edit* ZoneNameEdit = nullptr; // the named zone, with completion
    std::vector<QLabel*> SunResults;        // in the order of SunLines
    std::vector<QLabel*> MoonResults;       // in the order of MoonLines
    std::vector<QLabel*> PhaseResults;      // in the order of MonthPhaseLines
    DayPicture* Picture = nullptr;
    QTableWidget* MonthTable = nullptr;
    QTabWidget* Tabs = nullptr;             // "Day" and "Month"
    QAction* PrintMonthAction = nullptr;

    enum ZoneKind { UtcZone, ZoneTime, NamedZone };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Recompute();
    void ShowDay();
    void ShowMonth();
    void ShowPicture();
    void HeightExit();
    void ZoneNameExit();
    void ZoneChosen();
    void UpdateZoneTimeItem();
    timezones::Zone CurrentZone() const;
    astro::Observer CurrentObserver() const;
    timezones::CivilDate CurrentDate() const;
    PageInputs CurrentInputs() const;
    platform::ResultsPage Page() const;
    platform::ResultsPage MonthPageNow() const;

    double height_ = 0;
    std::optional<timezones::Zone> named_; // the last zone name taken
    QStringList zoneNames_;                // the system's, for completion
    int zoneKind_ = UtcZone;
    // The last computation, for the results, the picture and the pages;
    // none after a refusal, which refusal_ says.
    std::optional<AlmanacDay> day_;
    std::vector<AlmanacDay> month_;
    std::optional<timezones::Zone> zone_;
    std::string refusal_;
};

} // namespace solara
