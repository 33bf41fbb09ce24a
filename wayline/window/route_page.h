// The passage plan on one printed page: the route's name and ellipsoid,
// the departure and speed, each waypoint with its position, the totals and
// arrival, a table of the legs, and the conventions the figures follow.
#pragma once

#include "geo/angle_text.h"
#include "platform/module/results_page.h"
#include "wayline/core/route_plan.h"

namespace wayline {

// The page of `route` as planned in `plan` on catalogue row `ellipsoid`,
// in `format`. Names beyond Latin-1 print with '?' for what the page's
// 8-bit text cannot hold.
platform::ResultsPage PassagePlanPage(const Route& route, const RoutePlan& plan, int ellipsoid, geo::AngleFormat format);

} // namespace wayline
