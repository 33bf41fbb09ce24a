#include "astro/bodies.h"

#include "astro/ephemeris.h"

#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"

#include <erfa.h>

#include <cmath>

namespace astro {
namespace {

constexpr double SunRadiusKm = 696000.0;
constexpr double MoonRadiusKm = 1737.4;

double Degrees(double radians)
{
    return radians * geo::DegreesPerRadian;
}

double GastRadians(const TimeArgument& time, Evaluation how)
{
    return eraAnp(eraEra00(J2000, time.Ut1) - EquationOfOriginsAt(time.Tt, how));
}

} // namespace

double BodyRadius(Body body)
{
    return body == Body::Sun ? SunRadiusKm : MoonRadiusKm;
}

double GreenwichApparentSiderealTime(const TimeArgument& time, Evaluation how)
{
    return Degrees(GastRadians(time, how));
}

GeocentricPlace ApparentPlace(Body body, const TimeArgument& time, Evaluation how)
{
    GeocentricPlace place{};
    place.TrueOfDate = ApparentPosition(body, time.Tt, how);
    double ra = 0, dec = 0;
    eraC2s(place.TrueOfDate.v, &ra, &dec);
    place.RightAscension = Degrees(eraAnp(ra));
    place.Declination = Degrees(dec);
    place.Gha = Degrees(eraAnp(GastRadians(time, how) - ra));
    place.Distance = Length(place.TrueOfDate);
    place.SemiDiameter = Degrees(std::asin(BodyRadius(body) / place.Distance));
    const double a = geo::DefinedEllipsoid(geo::Wgs84Index).a / 1000.0;
    place.HorizontalParallax = Degrees(std::asin(a / place.Distance));
    return place;
}

double ApparentEclipticLongitude(Body body, double tt)
{
    const Vector p = ApparentPosition(body, tt);
    const double e = TrueObliquityAt(tt);
    // Equator of date -> ecliptic of date: a rotation by the obliquity about x.
    const double y = std::cos(e) * p.v[1] + std::sin(e) * p.v[2];
    return Degrees(eraAnp(std::atan2(y, p.v[0])));
}

} // namespace astro
