#include "wayline/core/earth.h"

#include "geo/ellipsoid_definitions.h"

#include <cmath>

namespace wayline {
namespace {

constexpr double FullTurn = 360.0; // degrees

GeographicLib::Geodesic GeodesicOf(int index)
{
    const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(index);
    return GeographicLib::Geodesic(e.a, e.f);
}

} // namespace

Earth::Earth(int ellipsoidIndex)
    : Geodesic(GeodesicOf(ellipsoidIndex)), Rhumb(Geodesic.EquatorialRadius(), Geodesic.Flattening())
{
}

double Course(double azimuth)
{
    const double c = std::fmod(std::fmod(azimuth, FullTurn) + FullTurn, FullTurn);
    return c >= FullTurn ? 0.0 : c;
}

} // namespace wayline
