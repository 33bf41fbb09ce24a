// The defining parameters of the 25 ellipsoids: the semi-major axis and
// the flattening as their authorities publish them (the EPSG database
// where it holds the ellipsoid, PROJ's list otherwise).
//
// The catalogue (ellipsoids.h) stores eight columns per row as the
// dead-reckoning computation reads them; several rows carry columns that
// belong to other ellipsoids (PZ-90's b and e2 are Australian National's,
// WGS 84's e2 is rounded). Modules that compute on an ellipsoid's own axes
// (distance and course, UTM, routes, datums, the observer of the
// astronomy) take them from here; dead reckoning keeps the catalogue.
#pragma once

#include "geo/ellipsoids.h"

#include <string_view>

namespace geo {

inline constexpr int Wgs84Index = 22; // "WGS 84" in the catalogue

struct EllipsoidDefinition {
    double a;                // semi-major axis (metres)
    double f;                // flattening; 0 for the sphere
    std::string_view Source; // "EPSG:7030", or PROJ's +ellps name where EPSG has none
};

// Row `index` of the catalogue as defined. Throws RangeError outside 0..24.
EllipsoidDefinition DefinedEllipsoid(int index);

// The catalogue index of an ellipsoid name (as listed, exactly), or -1.
int EllipsoidIndex(std::string_view name);

} // namespace geo
