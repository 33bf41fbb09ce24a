#include "geo/ellipsoid_definitions.h"

#include "geo/constants.h"
#include "geo/errors.h"

#include <algorithm>
#include <array>

namespace geo {
namespace {

// Flattening from a published inverse flattening, or from the two axes
// where the ellipsoid is defined by them (Clarke 1866, Clarke 1880 IGN).
constexpr double Inverse(double inverseFlattening) { return 1.0 / inverseFlattening; }
constexpr double FromAxes(double a, double b) { return (a - b) / a; }

// The sphere on which an arc-minute of a great circle is 1852 m.
constexpr double StandardSphereRadius = 10800.0 * MetresPerNauticalMile / Pi;

constexpr std::array<EllipsoidDefinition, EllipsoidCount> Definitions = {{
    {6377563.396, Inverse(299.3249646), "EPSG:7001"},            // Airy 1830
    {6377340.189, Inverse(299.3249646), "EPSG:7002"},            // Airy Modified 1849
    {6378160.0, Inverse(298.25), "EPSG:7003"},                   // Australian National Spheroid
    {6377397.155, Inverse(299.1528128), "EPSG:7004"},            // Bessel 1841
    {6378206.4, FromAxes(6378206.4, 6356583.8), "EPSG:7008"},    // Clarke 1866
    {6378249.145, Inverse(293.465), "EPSG:7012"},                // Clarke 1880 (RGS)
    {6377276.345, Inverse(300.8017), "EPSG:7015"},               // Everest 1830 (1937 Adjustment)
    {6377304.063, Inverse(300.8017), "EPSG:7018"},               // Everest 1830 Modified
    {6378166.0, Inverse(298.3), "+ellps=fschr60"},               // Fischer (Mercury Datum) 1960
    {6378155.0, Inverse(298.3), "+ellps=fschr60m"},              // Modified Fischer 1960
    {6378150.0, Inverse(298.3), "+ellps=fschr68"},               // Fischer 1968
    {6378160.0, Inverse(298.247167427), "EPSG:7036"},            // GRS 1967
    {6378137.0, Inverse(298.257222101), "EPSG:7019"},            // GRS 1980
    {6378200.0, Inverse(298.3), "EPSG:7020"},                    // Helmert 1906
    {6378270.0, Inverse(297.0), "EPSG:7053"},                    // Hough 1960
    {6378388.0, Inverse(297.0), "EPSG:7022"},                    // International 1924
    {6378245.0, Inverse(298.3), "EPSG:7024"},                    // Krassowsky 1940
    {6378136.0, Inverse(298.257839303), "EPSG:7054"},            // PZ-90
    {6378160.0, Inverse(298.25), "EPSG:7050"},                   // GRS 1967 Modified (South American 1969)
    {6378165.0, Inverse(298.3), "+ellps=WGS60"},                 // WGS 60
    {6378145.0, Inverse(298.25), "+ellps=WGS66"},                // WGS 66
    {6378135.0, Inverse(298.26), "EPSG:7043"},                   // WGS 72
    {6378137.0, Inverse(298.257223563), "EPSG:7030"},            // WGS 84
    {StandardSphereRadius, 0.0, "10800 nautical miles / pi"},    // the standard sphere
    {6378249.2, FromAxes(6378249.2, 6356515.0), "EPSG:7011"},    // Clarke 1880 (IGN)
}};

} // namespace

EllipsoidDefinition DefinedEllipsoid(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Definitions.size())
        throw RangeError();
    return Definitions[static_cast<std::size_t>(index)];
}

int EllipsoidIndex(std::string_view name)
{
    const auto found = std::ranges::find(EllipsoidNames, name);
    return found == EllipsoidNames.end() ? -1 : static_cast<int>(found - EllipsoidNames.begin());
}

} // namespace geo
