#include "grid/core/utm.h"

#include <GeographicLib/PolarStereographic.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <GeographicLib/UTMUPS.hpp>

#include <cmath>
#include <cstring>
#include <string>

namespace grid {
namespace {

constexpr double UtmScale = 0.9996, UpsScale = 0.994;
constexpr double UtmFalseEasting = 500e3, UtmFalseNorthingSouth = 10e6, UpsFalseOrigin = 2e6;
constexpr char UtmBands[] = "CDEFGHJKLMNPQRSTUVWX";

constexpr double BandHeight = 8;            // degrees of latitude
constexpr double UtmSouth = -80, UtmNorth = 84;
constexpr double Millimetre = 1e-8;           // degrees of latitude, a little over a millimetre

double CentralMeridian(int zone) { return 6.0 * zone - 183.0; }

std::string Metres(double m)
{
    return std::to_string(static_cast<long long>(std::llround(m / 1000.0))) + " km";
}

} // namespace

char UtmBandOf(double lat)
{
    const double index = std::floor((lat - UtmSouth) / BandHeight);
    if (!(index >= 0))
        return UtmBands[0];
    return UtmBands[index > 19 ? 19 : static_cast<int>(index)]; // X runs to 84
}

char UpsBandOf(bool north, double easting)
{
    const bool east = easting >= UpsFalseOrigin;
    return north ? (east ? 'Z' : 'Y') : (east ? 'B' : 'A');
}

bool BandHolds(char band, int zone, double lat, double easting)
{
    if (zone == Ups)
        return band == UpsBandOf(lat >= 0, easting);
    const char* at = std::strchr(UtmBands, band);
    if (!at || band == 0)
        return false;
    const double south = UtmSouth + BandHeight * static_cast<double>(at - UtmBands);
    const double north = band == 'X' ? UtmNorth : south + BandHeight;
    return lat >= south - Millimetre && lat <= north + Millimetre;
}

GridPosition ToGrid(const geo::EllipsoidDefinition& ellipsoid, double lat, double lon, int zone)
{
    if (!(std::fabs(lat) <= 90) || !std::isfinite(lon))
        throw GridError("the position is off the globe");
    lon = std::remainder(lon, 360.0);
    if (lon <= -180)
        lon += 360; // 180 is east, as GeographicLib takes it
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
    const double f = ellipsoid.f;
    double x = 0, y = 0;
    if (zone == Ups) {
        const GeographicLib::PolarStereographic ups(ellipsoid.a, f, UpsScale);
        ups.Forward(g.North, lat, lon, x, y, g.Convergence, g.Scale);
        g.Easting = x + UpsFalseOrigin;
        g.Northing = y + UpsFalseOrigin;
        g.Band = UpsBandOf(g.North, g.Easting);
    } else {
        const GeographicLib::TransverseMercator tm(ellipsoid.a, f, UtmScale);
        tm.Forward(CentralMeridian(zone), lat, lon, x, y, g.Convergence, g.Scale);
        g.Easting = x + UtmFalseEasting;
        g.Northing = y + (g.North ? 0 : UtmFalseNorthingSouth);
        g.Band = UtmBandOf(lat);
        if (!(g.Easting >= 0 && g.Easting <= 1000e3))
            throw GridError("the position is too far from zone " + std::to_string(zone) +
                            "'s central meridian for its grid");
    }
    return g;
}

GeoPosition FromGrid(const geo::EllipsoidDefinition& ellipsoid, int zone, bool north, double easting, double northing)
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
    const double f = ellipsoid.f;
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
