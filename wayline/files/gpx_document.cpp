#include "wayline/files/gpx_document.h"

#include <algorithm>

namespace wayline {

GpxRoute GpxRouteOf(Route plan)
{
    GpxRoute route;
    route.Points.resize(plan.Points.size());
    route.Departure = plan.Departure ? DepartureSource::Planned : DepartureSource::None;
    route.Plan = std::move(plan);
    return route;
}

GpxRoute Reversed(const GpxRoute& route)
{
    GpxRoute back = route;
    back.Plan = Reversed(route.Plan);
    back.Points.resize(route.Plan.Points.size());
    std::ranges::reverse(back.Points);
    return back;
}

} // namespace wayline
