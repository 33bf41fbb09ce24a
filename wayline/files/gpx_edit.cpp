#include "wayline/files/gpx_edit.h"

#include <algorithm>
#include <utility>

namespace wayline {
namespace {

// The leg a point added beside `leg` gets: its speed, and its line unless
// that is held to a parallel the new point is not on.
Leg Beside(const Leg& leg)
{
    return {leg.Kind == LegKind::Parallel ? LegKind::Rhumb : leg.Kind, leg.Speed};
}

std::ptrdiff_t At(std::size_t index)
{
    return static_cast<std::ptrdiff_t>(index);
}

} // namespace

void InsertPoint(GpxRoute& route, std::size_t index, Waypoint point)
{
    Route& plan = route.Plan;
    route.Points.resize(plan.Points.size());
    const std::size_t n = plan.Points.size();
    index = std::min(index, n);
    if (n > 0) {
        if (index == 0)
            plan.Legs.insert(plan.Legs.begin(), plan.Legs.empty() ? Leg{} : Beside(plan.Legs.front()));
        else if (index == n)
            plan.Legs.push_back(plan.Legs.empty() ? Leg{} : Beside(plan.Legs.back()));
        else
            plan.Legs.insert(plan.Legs.begin() + At(index), plan.Legs[index - 1]);
    }
    plan.Points.insert(plan.Points.begin() + At(index), std::move(point));
    route.Points.insert(route.Points.begin() + At(index), GpxPoint{});
}

void DeletePoint(GpxRoute& route, std::size_t index)
{
    Route& plan = route.Plan;
    route.Points.resize(plan.Points.size());
    const std::size_t n = plan.Points.size();
    if (index >= n)
        return;
    // The first takes the leg from it, the last the leg to it, one between
    // the leg from it: the leg that led to it now runs on to the next.
    if (!plan.Legs.empty())
        plan.Legs.erase(plan.Legs.begin() + At(index + 1 == n ? index - 1 : index));
    plan.Points.erase(plan.Points.begin() + At(index));
    route.Points.erase(route.Points.begin() + At(index));
}

void MovePoint(GpxRoute& route, std::size_t index, bool earlier)
{
    route.Points.resize(route.Plan.Points.size());
    const std::size_t n = route.Plan.Points.size();
    if (index >= n || (earlier && index == 0) || (!earlier && index + 1 >= n))
        return;
    const std::size_t other = earlier ? index - 1 : index + 1;
    std::swap(route.Plan.Points[index], route.Plan.Points[other]);
    std::swap(route.Points[index], route.Points[other]);
}

std::vector<std::size_t> RhumbWhereOffParallel(Route& route)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < route.Legs.size() && i + 1 < route.Points.size(); ++i)
        if (route.Legs[i].Kind == LegKind::Parallel && route.Points[i].Lat != route.Points[i + 1].Lat) {
            route.Legs[i].Kind = LegKind::Rhumb;
            changed.push_back(i);
        }
    return changed;
}

} // namespace wayline
