#include "celpos/core/computed_altitude.h"

#include "geo/constants.h"

#include <cmath>

namespace celpos {
namespace {

constexpr double Turn = 360.0;

double Radians(double degrees) { return degrees / geo::DegreesPerRadian; }
double Degrees(double radians) { return radians * geo::DegreesPerRadian; }

} // namespace

double FullCircle(double degrees)
{
    double reduced = std::fmod(degrees, Turn);
    if (reduced < 0)
        reduced += Turn;
    return reduced >= Turn ? 0.0 : reduced + 0.0; // -0 and a rounding up to 360 come back as 0
}

HorizonPlace ComputedPlace(double latDeg, double lonDeg, double ghaDeg, double decDeg)
{
    const double lha = FullCircle(ghaDeg + lonDeg);
    const double phi = Radians(latDeg), delta = Radians(decDeg), t = Radians(lha);
    // The body in the observer's horizon frame: east, north, up.
    const double east = -std::cos(delta) * std::sin(t);
    const double north = std::cos(phi) * std::sin(delta) - std::sin(phi) * std::cos(delta) * std::cos(t);
    const double up = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(t);
    const double hc = Degrees(std::atan2(up, std::hypot(east, north)));
    const double zn = east == 0 && north == 0 ? 0.0 : FullCircle(Degrees(std::atan2(east, north)));
    return {lha, hc, zn};
}

double Intercept(double hoDeg, double hcDeg)
{
    return (hoDeg - hcDeg) * geo::MinutesPerDegree;
}

} // namespace celpos
