// The route as a chart draws it: the points of its line in sailing order,
// rhumb lines and parallels by their ends (straight on the ellipsoid's
// Mercator), great circles by points along the geodesic close enough
// together that the polyline through them is the curve they are.
#pragma once

#include "wayline/core/earth.h"
#include "wayline/core/route.h"

#include <cstddef>
#include <vector>

namespace wayline {

struct LinePoint {
    double Lat = 0; // degrees
    double Lon = 0; // degrees, unrolled: it runs on across 180 the way each leg goes
};

struct RouteLine {
    std::vector<LinePoint> Points;
    std::vector<std::size_t> WaypointAt; // where each waypoint of the route is in Points
};

// Most degrees of arc between two points of a great circle as drawn: at a
// degree the chord lies within 0.02 nm of the curve.
inline constexpr double DrawnArcStep = 1.0;

// The line of `route` on `earth` (CheckRoute's refusals first). The first
// point's longitude is the first waypoint's as given; each leg goes the
// shorter way round, as SolveLeg sails it (a rhumb line to the opposite
// meridian goes the way its course says). A great circle through a pole
// turns half a turn of longitude there, as the meridians do.
RouteLine DrawnLine(const Earth& earth, const Route& route, double arcStep = DrawnArcStep);

} // namespace wayline
