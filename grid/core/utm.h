// UTM and UPS on a reference ellipsoid: the grid of land maps, harbour
// charts and search-and-rescue plots. The Transverse Mercator (scale
// 0.9996, false easting 500 km, false northing 10 000 km south) and the
// polar stereographic (scale 0.994, false easting and northing 2000 km)
// on the ellipsoid's own axes, solved by GeographicLib; the zones are the
// standard ones, the Norway and Svalbard exceptions included, with UPS
// north of 84° N and south of 80° S.
#pragma once

#include "geo/ellipsoids.h"

#include <stdexcept>

namespace grid {

inline constexpr int Ups = 0;          // the zone "number" of UPS
inline constexpr int StandardZone = -1; // ToGrid: the position's own zone

// What cannot be converted, and why; what() is the reason.
class GridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GridPosition {
    int Zone = 0;       // 1..60, or Ups
    bool North = true;
    char Band = 'N';    // C..X (no I, O) for UTM; A, B, Y, Z for UPS
    double Easting = 0;  // metres
    double Northing = 0; // metres
    double Convergence = 0; // degrees, grid north's angle east of true north
    double Scale = 1;
};

struct GeoPosition {
    double Lat = 0, Lon = 0; // degrees
    double Convergence = 0;  // degrees
    double Scale = 1;
};

// The position's standard zone, or `zone` when it is a neighbour of it
// (maps across two zones need one); any other zone throws GridError.
GridPosition ToGrid(const geo::Ellipsoid& ellipsoid, double lat, double lon, int zone = StandardZone);

// Throws GridError for an easting or northing outside the zone's valid
// area.
GeoPosition FromGrid(const geo::Ellipsoid& ellipsoid, int zone, bool north, double easting, double northing);

// The latitude band letter of a position.
char BandOf(double lat, double lon);

} // namespace grid
