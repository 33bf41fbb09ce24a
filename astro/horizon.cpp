#include "astro/horizon.h"

#include "geo/constants.h"

#include <algorithm>
#include <cmath>

namespace astro {
namespace {

constexpr double DipMinutesPerRootMetre = 1.76;
constexpr double LowestRefracted = -1.0; // degrees

} // namespace

double DipOfHorizon(double heightOfEye)
{
    return DipMinutesPerRootMetre * std::sqrt(heightOfEye) / geo::MinutesPerDegree;
}

double RiseSetAltitude(double semiDiameter, double heightOfEye)
{
    return -(HorizonRefraction + semiDiameter + DipOfHorizon(heightOfEye));
}

double Refraction(double h)
{
    const double altitude = std::max(h, LowestRefracted);
    const double argument = altitude + 10.3 / (altitude + 5.11);
    return std::max(0.0, 1.02 / std::tan(argument / geo::DegreesPerRadian) / geo::MinutesPerDegree);
}

} // namespace astro
