// The composite track: the shortest way between two positions that keeps
// clear of high latitudes. It follows the great circle from the departure
// whose vertex lies on the limiting parallel, runs along that parallel,
// and leaves it on the great circle whose vertex is there too and that
// leads to the destination.
#pragma once

#include "wayline/core/earth.h"
#include "wayline/core/route.h"

#include <cstddef>

namespace wayline {

// The names the composite gives the points where it meets and leaves the
// limiting parallel.
inline constexpr const char* FirstVertexName = "Vertex 1";
inline constexpr const char* SecondVertexName = "Vertex 2";

// The route from `from` to `to` that keeps within `limit` degrees of the
// equator (north and south: 0 < |limit| < 90, its sign not counted):
//   - the plain great circle (one leg) where its vertex does not lie
//     between the ends beyond the limit, or the ends coincide;
//   - otherwise great circle to Vertex 1, along the parallel to Vertex 2,
//     great circle to the destination, both vertices exactly on the limit
//     (an end on the limit joins the parallel there: that great circle is
//     left out). It goes the way the great circle goes, east or west; a
//     great circle through a pole, either way as long, goes east.
// The legs have no speeds of their own; the name is the caller's.
//
// Throws RouteError for an end beyond the limit (no track within it
// reaches that end) and for a limit outside 0..90.
Route CompositeTrack(const Earth& earth, const Waypoint& from, const Waypoint& to, double limit);

// `route` with leg `leg` (from 0) replaced by its composite track, whose
// legs take that leg's speed. Throws as CompositeTrack, and RouteError for
// a leg the route does not have.
Route WithComposite(const Route& route, std::size_t leg, double limit, const Earth& earth);

} // namespace wayline
