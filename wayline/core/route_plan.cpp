#include "wayline/core/route_plan.h"

#include "geo/constants.h"

namespace wayline {
namespace {

constexpr double SecondsPerHour = 3600.0;

} // namespace

RoutePlan PlanRoute(const Earth& earth, const Route& route, std::optional<SplitStep> split)
{
    CheckRoute(route);
    RoutePlan plan;
    double clock = route.Departure.value_or(0); // UTC seconds at the current point
    std::optional<double> hours = 0.0;
    std::string stopped = route.Departure ? "" : "no departure"; // why no leg from here on has an ETA
    for (std::size_t i = 0; i < route.Legs.size(); ++i) {
        LegPlan leg;
        leg.From = WaypointName(route, i);
        leg.To = WaypointName(route, i + 1);
        leg.Solution = SolveLeg(earth, route.Points[i], route.Points[i + 1], route.Legs[i].Kind);
        leg.NauticalMiles = leg.Solution.Metres / geo::MetresPerNauticalMile;
        leg.Speed = route.Legs[i].Speed ? route.Legs[i].Speed : route.Speed;
        if (leg.Solution.Metres == 0)
            leg.Hours = 0.0;
        else if (leg.Speed && *leg.Speed > 0)
            leg.Hours = leg.NauticalMiles / *leg.Speed;
        if (!stopped.empty()) {
            leg.NoEta = stopped;
        } else if (!leg.Hours) {
            leg.NoEta = leg.Speed ? "speed 0" : "no speed";
            stopped = "after leg " + std::to_string(i + 1);
        } else {
            clock += *leg.Hours * SecondsPerHour;
            leg.Eta = clock;
        }
        if (split && leg.Solution.Kind == LegKind::GreatCircle && !leg.Solution.SamePoint)
            leg.Split = SplitGreatCircle(earth, route.Points[i], route.Points[i + 1], *split);
        plan.TotalMetres += leg.Solution.Metres;
        hours = hours && leg.Hours ? std::optional(*hours + *leg.Hours) : std::nullopt;
        plan.Legs.push_back(std::move(leg));
    }
    plan.TotalNauticalMiles = plan.TotalMetres / geo::MetresPerNauticalMile;
    plan.TotalHours = hours;
    plan.Arrival = route.Legs.empty() ? route.Departure : plan.Legs.back().Eta;
    return plan;
}

} // namespace wayline
