#include "grid/core/utm.h"

#include <GeographicLib/PolarStereographic.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <GeographicLib/UTMUPS.hpp>

#include <cmath>
#include <string>

namespace grid {
namespace {

constexpr double UtmScale = 0.9996, UpsScale = 0.994;
constexpr double UtmFalseEasting = 500e3, UtmFalseNorthingSouth = 10e6, UpsFalseOrigin = 2e6;
constexpr char UtmBands[] = "CDEFGHJKLMNPQRSTUVWX";

double Flattening(const geo::Ellipsoid& e) { return (e.a - e.b) / e.a; }

double CentralMeridian(int zone) { return 6.0 * zone - 183.0; }

std::string Metres(double m)
{
    return std::to_string(static_cast<long long>(std::llround(m / 1000.0))) + " km";
}

} // namespace

char BandOf(double lat, double lon)
{
    if (lat >= 84)
        return lon < 0 ? 'Y' : 'Z';
    if (lat < -80)
        return lon < 0 ? 'A' : 'B';
    const double index = std::floor((lat + 80) / 8);
    return UtmBands[index > 19 ? 19 : static_cast<int>(index)]; // X runs to 84
}

GridPosition ToGrid(const geo::Ellipsoid& ellipsoid, double lat, double lon, int zone)
{
    if (!(std::fabs(lat) <= 90) || !std::isfinite(lon))
        throw GridError("the position is off the globe");
    lon = std::remainder(lon, 360.0);
    if (lon >= 180)
        lon -= 360;
    const int standard = GeographicLib::UTMUPS::StandardZone(lat, lon);
    if (zone == StandardZone) {
        zone = standard;
    } else if (zone != standard) {
        const bool neighbour = standard != Ups && zone >= 1 && zone <= 60 &&
                               (std::abs(zone - standard) == 1 || std::abs(zone - standard) == 59);
        if (!neighbour)
            throw GridError("zone " + std::to_string(zone) + " is neither the position's zone (" +
                            (standard == Ups ? std::string("UPS") : std::to_string(standard)) +
                            ") nor a neighbour of it");
    }
    GridPosition g;
    g.Zone = zone;
    g.North = lat >= 0;
    g.Band = BandOf(lat, lon);
    const double f = Flattening(ellipsoid);
    double x = 0, y = 0;
    if (zone == Ups) {
        const GeographicLib::PolarStereographic ups(ellipsoid.a, f, UpsScale);
        ups.Forward(g.North, lat, lon, x, y, g.Convergence, g.Scale);
        g.Easting = x + UpsFalseOrigin;
        g.Northing = y + UpsFalseOrigin;
    } else {
        const GeographicLib::TransverseMercator tm(ellipsoid.a, f, UtmScale);
        tm.Forward(CentralMeridian(zone), lat, lon, x, y, g.Convergence, g.Scale);
        g.Easting = x + UtmFalseEasting;
        g.Northing = y + (g.North ? 0 : UtmFalseNorthingSouth);
        if (!(g.Easting >= 0 && g.Easting <= 1000e3))
            throw GridError("the position is too far from zone " + std::to_string(zone) +
                            "'s central meridian for its grid");
    }
    return g;
}

GeoPosition FromGrid(const geo::Ellipsoid& ellipsoid, int zone, bool north, double easting, double northing)
{
    if (!std::isfinite(easting) || !std::isfinite(northing))
        throw GridError("the easting and northing must be numbers");
    if (zone < 0 || zone > 60)
        throw GridError("zone " + std::to_string(zone) + " does not exist (1 to 60, 0 for UPS)");
    // The valid areas GeographicLib's UTMUPS takes, on any ellipsoid.
    const double minE = zone == Ups ? (north ? 1200e3 : 800e3) : 0;
    const double maxE = zone == Ups ? (north ? 2800e3 : 3200e3) : 1000e3;
    const double minN = zone == Ups ? minE : (north ? 0 : 900e3);
    const double maxN = zone == Ups ? maxE : (north ? 9600e3 : 10000e3);
    if (easting < minE || easting > maxE)
        throw GridError("the easting is outside its zone's valid area (" + Metres(minE) + " to " + Metres(maxE) + ")");
    if (northing < minN || northing > maxN)
        throw GridError("the northing is outside its zone's valid area (" + Metres(minN) + " to " + Metres(maxN) +
                        ")");
    GeoPosition p;
    const double f = Flattening(ellipsoid);
    if (zone == Ups) {
        const GeographicLib::PolarStereographic ups(ellipsoid.a, f, UpsScale);
        ups.Reverse(north, easting - UpsFalseOrigin, northing - UpsFalseOrigin, p.Lat, p.Lon, p.Convergence, p.Scale);
    } else {
        const GeographicLib::TransverseMercator tm(ellipsoid.a, f, UtmScale);
        tm.Reverse(CentralMeridian(zone), easting - UtmFalseEasting, northing - (north ? 0 : UtmFalseNorthingSouth),
                   p.Lat, p.Lon, p.Convergence, p.Scale);
    }
    return p;
}

} // namespace grid
