#include "wayline/core/route.h"

#include "geo/position_text.h"

#include <algorithm>
#include <cmath>

namespace wayline {
namespace {

constexpr double QuarterTurn = 90.0; // degrees

std::string LegName(const Route& route, std::size_t leg)
{
    return "leg " + std::to_string(leg + 1) + " (" + WaypointName(route, leg) + " to " + WaypointName(route, leg + 1) +
           ")";
}

void CheckSpeed(const std::optional<double>& speed, const std::string& whose)
{
    if (speed && !(std::isfinite(*speed) && *speed >= 0))
        throw RouteError(whose + ": the speed " + geo::DecimalText(*speed) + " is not a speed in knots");
}

} // namespace

Route MakeRoute(std::vector<Waypoint> points, LegKind kind)
{
    Route route;
    route.Legs.assign(points.empty() ? 0 : points.size() - 1, Leg{kind, std::nullopt});
    route.Points = std::move(points);
    return route;
}

std::string WaypointName(const Route& route, std::size_t index)
{
    const std::string& name = route.Points.at(index).Name;
    if (name.find_first_not_of(" \t") == std::string::npos)
        return "WP" + std::to_string(index + 1);
    return name;
}

void CheckRoute(const Route& route)
{
    const std::size_t legs = route.Points.empty() ? 0 : route.Points.size() - 1;
    if (route.Legs.size() != legs)
        throw RouteError("the route has " + std::to_string(route.Points.size()) + " points but " +
                         std::to_string(route.Legs.size()) + " legs");
    for (std::size_t i = 0; i < route.Points.size(); ++i) {
        const Waypoint& p = route.Points[i];
        if (!(std::fabs(p.Lat) <= QuarterTurn))
            throw RouteError(WaypointName(route, i) + ": the latitude " + geo::DecimalText(p.Lat) +
                             " is off the globe (-90 to 90)");
        if (!std::isfinite(p.Lon))
            throw RouteError(WaypointName(route, i) + ": the longitude " + geo::DecimalText(p.Lon) +
                             " is not a number");
    }
    CheckSpeed(route.Speed, "the route");
    for (std::size_t i = 0; i < legs; ++i) {
        CheckSpeed(route.Legs[i].Speed, LegName(route, i));
        if (route.Legs[i].Kind == LegKind::Parallel && route.Points[i].Lat != route.Points[i + 1].Lat)
            throw RouteError(LegName(route, i) + ": a leg along a parallel joins two points on it");
    }
    if (route.Departure && !std::isfinite(*route.Departure))
        throw RouteError("the departure is not a time");
}

Route Reversed(const Route& route)
{
    Route back = route;
    std::ranges::reverse(back.Points);
    std::ranges::reverse(back.Legs);
    return back;
}

Route WithKind(Route route, LegKind kind)
{
    for (Leg& leg : route.Legs)
        leg.Kind = kind;
    return route;
}

Route WithSpeed(Route route, double knots)
{
    for (Leg& leg : route.Legs)
        leg.Speed = knots;
    return route;
}

} // namespace wayline
