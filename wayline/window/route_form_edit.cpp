// What the user changes in the route window: waypoints added, inserted,
// deleted and moved, a waypoint's name and position, a leg's kind and
// speed, the departure.
#include "wayline/window/route_form.h"

#include "platform/desktop/latin1.h"
#include "platform/widgets/date_picker.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/mask_edit.h"
#include "timezones/civil_calendar.h"
#include "wayline/files/gpx_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>

namespace wayline {
namespace {

// The value the user set: `typed`, unless it shows as `stored` does (the
// field was tabbed through, or retyped as it stood), which then stays as
// exact as it was.
double AsTyped(double typed, double stored, geo::AngleFormat format, bool isLongitude)
{
    const bool sameText = geo::EntryText(format, isLongitude, typed) == geo::EntryText(format, isLongitude, stored);
    return sameText && std::signbit(typed) == std::signbit(stored) ? stored : typed;
}

std::string LegName(const Route& route, std::size_t leg)
{
    return "Leg " + std::to_string(leg + 1) + " (" + WaypointName(route, leg) + " to " + WaypointName(route, leg + 1) +
           ")";
}

} // namespace

void TRouteForm::AddWaypoint(bool atEnd)
{
    const std::optional<std::size_t> selected = SelectedWaypoint();
    const std::size_t n = route_.Plan.Points.size();
    if (!atEnd && !selected)
        return;
    // A new waypoint starts where the one beside it is, to be moved from there.
    const std::size_t index = atEnd ? n : *selected;
    Waypoint p;
    if (n > 0) {
        const Waypoint& beside = route_.Plan.Points[atEnd ? n - 1 : *selected];
        p.Lat = beside.Lat;
        p.Lon = beside.Lon;
    }
    InsertPoint(route_, index, p);
    Changed();
    SelectWaypoint(index);
    Position.Lat->setFocus(Qt::OtherFocusReason); // where its position is typed
}

void TRouteForm::DeleteWaypoint()
{
    const std::optional<std::size_t> selected = SelectedWaypoint();
    if (!selected)
        return;
    wayline::DeletePoint(route_, *selected);
    Changed();
    if (!route_.Plan.Points.empty())
        SelectWaypoint(std::min(*selected, route_.Plan.Points.size() - 1));
    else
        ShowSelectedWaypoint();
    Waypoints->setFocus(Qt::OtherFocusReason);
}

void TRouteForm::MoveWaypoint(bool up)
{
    const std::optional<std::size_t> selected = SelectedWaypoint();
    const std::size_t n = route_.Plan.Points.size();
    if (!selected || (up && *selected == 0) || (!up && *selected + 1 >= n))
        return;
    MovePoint(route_, *selected, up);
    Changed();
    SelectWaypoint(up ? *selected - 1 : *selected + 1);
    // The button stays in reach for the next move, unless the end was reached.
    QPushButton* pressed = up ? UpButton : DownButton;
    if (!pressed->isEnabled())
        Waypoints->setFocus(Qt::OtherFocusReason);
}

void TRouteForm::WaypointNameExit()
{
    const std::optional<std::size_t> selected = SelectedWaypoint();
    if (!selected)
        return;
    const std::string name = WaypointName->text().toStdString();
    if (name == route_.Plan.Points[*selected].Name)
        return;
    route_.Plan.Points[*selected].Name = name;
    Changed();
}

void TRouteForm::PositionChanged()
{
    const std::optional<std::size_t> selected = SelectedWaypoint();
    if (!selected)
        return;
    Waypoint& p = route_.Plan.Points[*selected];
    const double lat = AsTyped(Position.Latitude(), p.Lat, Format(), false);
    const double lon = AsTyped(Position.Longitude(), p.Lon, Format(), true);
    if (lat == p.Lat && lon == p.Lon && std::signbit(lat) == std::signbit(p.Lat) &&
        std::signbit(lon) == std::signbit(p.Lon))
        return;
    p.Lat = lat;
    p.Lon = lon;
    Position.SetPosition(lat, lon);
    std::string said;
    for (const std::size_t leg : RhumbWhereOffParallel(route_.Plan))
        said = LegName(route_.Plan, leg) + " is a rhumb line now: its ends are no longer on one parallel";
    Changed();
    SetStatus(platform::FromQt(QString::fromStdString(said)));
    ShowSelectedLeg();
}

void TRouteForm::LegKindChosen(int index)
{
    const std::optional<std::size_t> selected = SelectedLeg();
    if (!selected || index < 0 || index > static_cast<int>(LegKind::Parallel))
        return;
    const auto kind = static_cast<LegKind>(index);
    wayline::Route& r = route_.Plan;
    if (kind == LegKind::Parallel && r.Points[*selected].Lat != r.Points[*selected + 1].Lat) {
        LegKindBox->setCurrentIndex(static_cast<int>(r.Legs[*selected].Kind));
        SetStatus(platform::FromQt(QString::fromStdString(LegName(r, *selected) +
                                                           ": a leg along a parallel joins two points on it")));
        return;
    }
    SetStatus("");
    if (r.Legs[*selected].Kind == kind)
        return;
    r.Legs[*selected].Kind = kind;
    Changed();
}

void TRouteForm::LegSpeedChanged()
{
    const std::optional<std::size_t> selected = SelectedLeg();
    if (!selected)
        return;
    route_.Plan.Legs[*selected].Speed = LegSpeed.Knots();
    Changed();
}

void TRouteForm::DepartureChanged()
{
    const bool planned = DepartureBox->isChecked();
    DepartureDate->setEnabled(planned);
    DepartureTime.Field->setEnabled(planned);
    std::optional<double> departure;
    if (planned) {
        const QDate date = DepartureDate->date();
        const std::int64_t day = timezones::DaysFromCivil({date.year(), date.month(), date.day()});
        departure = static_cast<double>(day * timezones::SecondsPerDay + DepartureTime.Seconds());
        // The fields show the departure to the second: the same text keeps its fraction.
        if (route_.Plan.Departure && std::floor(*route_.Plan.Departure) == *departure)
            departure = route_.Plan.Departure;
    }
    if (departure == route_.Plan.Departure)
        return;
    route_.Plan.Departure = departure;
    Changed();
}

void TRouteForm::Changed()
{
    Recompute();
}

} // namespace wayline
