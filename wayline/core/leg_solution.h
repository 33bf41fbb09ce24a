// One leg of a route solved on the ellipsoid: its courses and distance
// along a rhumb line, a parallel or the great circle (the geodesic), and
// the great circle's vertex.
#pragma once

#include "wayline/core/earth.h"
#include "wayline/core/route.h"

#include <optional>

namespace wayline {

// The point of a great circle nearest a pole, where it runs east or west.
struct Vertex {
    double Lat = 0;     // degrees; +-90 for a great circle along a meridian
    double Lon = 0;     // degrees, -180..180
    bool OnLeg = false; // between the leg's ends (ends included), or beyond them on its circle
};

struct LegSolution {
    LegKind Kind = LegKind::Rhumb;
    double Metres = 0;
    // Rhumb lines and parallels: the course to steer, degrees true 0..360.
    std::optional<double> Course;
    // Great circles: the course at the start and at the end, 0..360.
    std::optional<double> InitialCourse, FinalCourse;
    bool SamePoint = false; // both ends coincide: no course
    // Great circles between (nearly) opposite points, or points on the
    // equator farther apart than (1 - f) half turns: more than one shortest
    // way, and the courses are those of the one GeographicLib takes.
    bool NotUnique = false;
    std::optional<wayline::Vertex> Vertex; // great circles not along the equator
};

// Solves the leg from `from` to `to` (latitudes -90..90, longitudes any),
// the shorter way round (across 180 where that is shorter; on opposite
// meridians a rhumb line goes east).
//
// Edges: coincident ends have distance 0 and no courses. A pole at either
// end is a point a tiny way off the pole on the meridian of the longitude
// given with it, as GeographicLib takes it: a rhumb line to a pole has
// course 000 or 180 and a finite length; a great circle through a pole
// runs along a meridian, its vertex the pole. A leg of kind Parallel is a
// rhumb line between points of one latitude (course 090 or 270).
LegSolution SolveLeg(const Earth& earth, const Waypoint& from, const Waypoint& to, LegKind kind);

// The vertex of the great circle from `from` to `to`: of its two vertices
// (half a turn of arc apart) the one nearer the leg's middle. None for
// coincident points and for a great circle along the equator.
std::optional<Vertex> GreatCircleVertex(const Earth& earth, const Waypoint& from, const Waypoint& to);

} // namespace wayline
