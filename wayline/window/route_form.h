// The route window: a passage plan laid down waypoint by waypoint.
//
// The waypoint table lists the route's points (name, latitude, longitude
// in the display format); the one selected is edited beside it, its
// position typed in the suite's position fields. Buttons with access keys
// add a waypoint at the end, insert one before the selected, delete it and
// move it up or down. The leg table gives each leg's line, courses,
// distance, speed, time and time of arrival; the leg selected takes its
// kind (rhumb line, great circle, parallel) and a speed of its own beside
// it. Below: the route's speed, its departure (a date and a time, UTC),
// the ellipsoid and the display format, and the totals. Every change is
// computed at once on the ellipsoid as defined.
//
// File > Open, Save and Save As keep the route in a GPX file (what the
// file held beside it written back as it was); File > Print prints the
// passage plan on one page; View > Chart shows the route on the Mercator.
#pragma once

#include "platform/module/module_window.h"
#include "platform/module/position_entry.h"
#include "platform/module/time_entry.h"
#include "wayline/core/route_plan.h"
#include "wayline/files/gpx_document.h"
#include "wayline/window/speed_entry.h"

#include <QString>

#include <optional>

namespace wayline {

class TRouteChartForm;

class TRouteForm : public platform::ModuleWindow {
    Q_OBJECT

public:
    explicit TRouteForm(QWidget* parent = nullptr);

    platform::Edit* RouteName = nullptr;
    QTableWidget* Waypoints = nullptr;
    QPushButton *AddButton = nullptr, *InsertButton = nullptr, *DeleteButton = nullptr;
    QPushButton *UpButton = nullptr, *DownButton = nullptr;
    platform::Edit* WaypointName = nullptr;
    platform::PositionEntry Position;
    QTableWidget* Legs = nullptr;
    QComboBox* LegKindBox = nullptr;
    SpeedEntry LegSpeed;
    SpeedEntry RouteSpeed;
    QCheckBox* DepartureBox = nullptr;
    platform::DatePicker* DepartureDate = nullptr;
    platform::TimeEntry DepartureTime;
    QLabel *TotalDistance = nullptr, *TotalTime = nullptr, *Arrival = nullptr;

    // The route as the window holds it, and its plan as last computed.
    const GpxRoute& Route() const { return route_; }
    const RoutePlan& Plan() const { return plan_; }
    // The file the route was opened from or saved to; empty for none.
    const QString& RouteFile() const { return file_; }

    // Opens a GPX file (the program's argument): a file refused is
    // reported and changes nothing; several routes in it: a choice.
    void OpenRoute(const QString& file);
    // The chart window, once View > Chart has opened it.
    TRouteChartForm* ChartWindow() const { return chart_; }

    // The leg table's columns.
    enum Column { FromColumn, ToColumn, KindColumn, CourseColumn, FinalColumn, DistanceColumn,
                  SpeedColumn, TimeColumn, EtaColumn, VertexColumn, LegColumns };

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // route_form.cpp: the controls and their wiring.
    void MakeWaypointControls();
    void MakeLegControls();
    void MakePassageControls();
    void MakeMenus();
    void SetTabOrder();

    // route_form_tables.cpp: what the window shows.
    void Recompute();
    void ShowWaypoints();
    void ShowLegs();
    void ShowSelectedWaypoint();
    void ShowSelectedLeg();
    void ShowPassage();
    void UpdateButtons();
    std::optional<std::size_t> SelectedWaypoint() const;
    std::optional<std::size_t> SelectedLeg() const;
    void SelectWaypoint(std::size_t index);

    // route_form_edit.cpp: what the user changes.
    void AddWaypoint(bool atEnd);
    void DeleteWaypoint();
    void MoveWaypoint(bool up);
    void WaypointNameExit();
    void PositionChanged();
    void LegKindChosen(int index);
    void LegSpeedChanged();
    void DepartureChanged();
    void Changed(); // after every edit of the route

    // route_form_files.cpp: files, the title, the question on leaving.
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    QString AskFileName(bool save);
    void ReadRouteFrom(const QString& file);
    bool SaveTo(const QString& file);
    bool MayLeaveRoute();
    void ShowTitle();

    void ViewChart();
    platform::ResultsPage Page() const;

    GpxDocument document_;     // the file's routes as opened or saved last
    std::size_t current_ = 0;  // the one route_ was taken from
    GpxRoute route_;           // the route as edited
    GpxRoute saved_;           // as it was opened or saved
    QString file_;
    RoutePlan plan_;
    TRouteChartForm* chart_ = nullptr;
};

} // namespace wayline
