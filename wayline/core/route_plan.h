// The passage plan of a route: for each leg the course to steer, the
// distance, the time on the leg at its planned speed and the time of
// arrival at its end; and the totals.
#pragma once

#include "wayline/core/earth.h"
#include "wayline/core/great_circle_split.h"
#include "wayline/core/leg_solution.h"
#include "wayline/core/route.h"

#include <optional>
#include <string>
#include <vector>

namespace wayline {

struct LegPlan {
    std::string From, To; // the points' names, WP1, WP2, ... where unnamed
    LegSolution Solution; // kind, courses, distance, edges, the great circle's vertex
    double NauticalMiles = 0;
    std::optional<double> Speed; // knots: the leg's own or the route's; none where neither has one
    std::optional<double> Hours; // time on the leg; none without a speed or at speed 0 (a leg of no length takes 0)
    std::optional<double> Eta;   // UTC seconds since 1970 at its end
    // Why there is no ETA, as the window and command line say it: "no
    // departure", "no speed", "speed 0", or "after leg 2" once a leg
    // before it has no time. Empty where there is an ETA.
    std::string NoEta;
    // A great circle sailed as rhumb legs, where a split was asked for.
    std::optional<GreatCircleSplit> Split;
};

struct RoutePlan {
    std::vector<LegPlan> Legs;
    double TotalMetres = 0, TotalNauticalMiles = 0;
    std::optional<double> TotalHours; // where every leg has a time
    std::optional<double> Arrival;    // the last leg's ETA; the departure for a route of one point
};

// The plan of `route` on `earth` (CheckRoute's refusals first). Times run
// from the departure along the legs' own distances: a great circle's is the
// geodesic's even where it is split, the split saying what the rhumb legs
// cost beyond it. `split` cuts every great-circle leg (not a rhumb line or
// a parallel; see SplitGreatCircle for its refusals).
RoutePlan PlanRoute(const Earth& earth, const Route& route, std::optional<SplitStep> split = std::nullopt);

} // namespace wayline
