// UTM and UPS on a reference ellipsoid: the grid of land maps, harbour
// charts and search-and-rescue plots. The Transverse Mercator (scale
// 0.9996, false easting 500 km, false northing 10 000 km south) and the
// polar stereographic (scale 0.994, false easting and northing 2000 km)
// on the ellipsoid as defined (its published axis and flattening), solved
// by GeographicLib; the zones are the standard ones, the Norway and
// Svalbard exceptions included, with UPS from 84° N and south of 80° S.
//
// Longitudes are read in -180..180 with 180 itself east, as GeographicLib
// reads them (so -180 is 180 E as well): 180° lies in zone 60 and in UPS
// band Z or B. In UPS the band is the half of the grid a point lies in
// (Y and A west of the 2000 km easting, Z and B from it on), so the poles
// themselves are Z and B.
#pragma once

#include "geo/ellipsoid_definitions.h"

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
GridPosition ToGrid(const geo::EllipsoidDefinition& ellipsoid, double lat, double lon, int zone = StandardZone);

// Throws GridError for an easting or northing outside the zone's valid
// area.
GeoPosition FromGrid(const geo::EllipsoidDefinition& ellipsoid, int zone, bool north, double easting, double northing);

// The band letter of a UTM position (C..X by latitude, X running to 84°).
char UtmBandOf(double lat);
// The band letter of a UPS position, by hemisphere and easting.
char UpsBandOf(bool north, double easting);

// Whether a grid position converted back to `lat` may carry `band`: its
// latitude lies in the band's range, or within a millimetre of it (the
// references print millimetres, so a point on a band's edge can come back
// a hair outside it). UPS bands are told by the easting.
bool BandHolds(char band, int zone, double lat, double easting);

} // namespace grid
