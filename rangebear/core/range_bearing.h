// Distance and course from one position to another on a reference
// ellipsoid: the rhumb line a navigator steers, and the shortest way.
// Solved by GeographicLib on the ellipsoid as defined (its published
// semi-major axis and flattening, geo/ellipsoid_definitions.h).
#pragma once

#include "geo/ellipsoid_definitions.h"

namespace rangebear {

struct RangeBearing {
    double RhumbCourse = 0;      // degrees true, 0..360
    double RhumbDistance = 0;    // metres
    double GeodesicDistance = 0; // metres
    double InitialCourse = 0;    // degrees true at the start, 0..360
    double FinalCourse = 0;      // degrees true at the end, 0..360
    bool SamePoint = false;      // courses have no meaning; both distances are 0
    bool NotUnique = false;      // (nearly) opposite points: more than one shortest way
};

// Latitudes -90..90, longitudes any (signed degrees, north and east
// positive). A pole at either end is allowed; one pole given twice, with
// whatever longitudes, is the same position.
RangeBearing Solve(const geo::EllipsoidDefinition& ellipsoid, double lat1, double lon1, double lat2, double lon2);

} // namespace rangebear
