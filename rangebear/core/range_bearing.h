// Distance and course from one position to another on a reference
// ellipsoid: the rhumb line a navigator steers, and the shortest way.
// Solved by GeographicLib, on the ellipsoid's own axes.
#pragma once

#include "geo/ellipsoids.h"

namespace rangebear {

struct RangeBearing {
    double RhumbCourse = 0;      // degrees true, 0..360
    double RhumbDistance = 0;    // metres
    double GeodesicDistance = 0; // metres
    double InitialCourse = 0;    // degrees true at the start, 0..360
    double FinalCourse = 0;      // degrees true at the end, 0..360
    bool SamePoint = false;      // courses have no meaning
    bool NotUnique = false;      // (nearly) opposite points: more than one shortest way
};

// Latitudes -90..90, longitudes any (signed degrees, north and east
// positive). A pole at either end is allowed.
RangeBearing Solve(const geo::Ellipsoid& ellipsoid, double lat1, double lon1, double lat2, double lon2);

inline constexpr double MetresPerNauticalMile = 1852.0;

} // namespace rangebear
