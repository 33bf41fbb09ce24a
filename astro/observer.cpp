#include "astro/observer.h"

#include "astro/bodies.h"
#include "astro/ephemeris.h"

#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"

#include <erfa.h>

#include <cmath>

namespace astro {
namespace {

constexpr double MaxHeight = 10000.0; // metres
constexpr double MetresPerKm = 1000.0;

double Radians(double degrees)
{
    return degrees / geo::DegreesPerRadian;
}

double Degrees(double radians)
{
    return radians * geo::DegreesPerRadian;
}

} // namespace

void RequireValidObserver(const Observer& observer)
{
    if (!(std::fabs(observer.Latitude) <= 90.0))
        throw ObserverError("The latitude must lie between 90 S and 90 N");
    if (!std::isfinite(observer.Longitude))
        throw ObserverError("The longitude is not a number");
    if (!(observer.Height >= 0.0 && observer.Height <= MaxHeight))
        throw ObserverError("The height of eye must lie between 0 and 10000 m");
}

Site::Site(const Observer& observer) : observer_(observer)
{
    RequireValidObserver(observer);
    const geo::EllipsoidDefinition wgs84 = geo::DefinedEllipsoid(geo::Wgs84Index);
    double xyz[3];
    // On the Greenwich meridian: the longitude joins the sidereal time.
    eraGd2gce(wgs84.a, wgs84.f, 0.0, Radians(observer.Latitude), observer.Height, xyz);
    axisDistance_ = xyz[0] / MetresPerKm;
    z_ = xyz[2] / MetresPerKm;
    sinLatitude_ = std::sin(Radians(observer.Latitude));
    cosLatitude_ = std::cos(Radians(observer.Latitude));
}

Site::View Site::ViewOf(Body body, const TimeArgument& time) const
{
    const ApparentAndOrigins apparent = ApparentAt(body, time.Tt);
    const double gast = eraEra00(J2000, time.Ut1) - apparent.EquationOfOrigins;
    // The local sidereal time; the observer in the true equator of date is
    // the terrestrial position turned by it about the pole.
    const double local = gast + Radians(observer_.Longitude);
    const double c = std::cos(local), s = std::sin(local);
    return {Minus(apparent.Position, Vector{{axisDistance_ * c, axisDistance_ * s, z_}}), local, c, s};
}

TopocentricPlace Site::PlaceOf(Body body, const TimeArgument& time) const
{
    const View view = ViewOf(body, time);
    const Vector& u = view.U;
    const double c = view.C, s = view.S;

    TopocentricPlace place{};
    double ra = 0, dec = 0;
    Vector copy = u;
    eraC2s(copy.v, &ra, &dec);
    const double hourAngle = eraAnp(view.Local - ra);
    // Altitude and azimuth from the components along the local vertical
    // (the ellipsoid's normal), north and east.
    const double distance = Length(u);
    const double toward = c * u.v[0] + s * u.v[1]; // along the local meridian's plane
    const double east = -s * u.v[0] + c * u.v[1];
    const double up = cosLatitude_ * toward + sinLatitude_ * u.v[2];
    const double north = -sinLatitude_ * toward + cosLatitude_ * u.v[2];
    place.RightAscension = Degrees(eraAnp(ra));
    place.Declination = Degrees(dec);
    place.HourAngle = Degrees(hourAngle);
    place.Altitude = Degrees(std::asin(up / distance));
    place.Azimuth = Degrees(eraAnp(std::atan2(east, north)));
    place.Distance = distance;
    place.SemiDiameter = Degrees(std::asin(BodyRadius(body) / distance));
    return place;
}

Site::Altitude Site::AltitudeOf(Body body, const TimeArgument& time) const
{
    const View view = ViewOf(body, time);
    const Vector& u = view.U;
    const double distance = Length(u);
    const double toward = view.C * u.v[0] + view.S * u.v[1];
    const double up = cosLatitude_ * toward + sinLatitude_ * u.v[2];
    return {Degrees(std::asin(up / distance)), Degrees(std::asin(BodyRadius(body) / distance))};
}

TopocentricPlace Topocentric(Body body, const Observer& observer, const TimeArgument& time)
{
    return Site(observer).PlaceOf(body, time);
}

double AltitudeAt(Body body, const Observer& observer, double utc, double dut1)
{
    return Site(observer).AltitudeOf(body, TimeFromUtc(utc, dut1)).Altitude;
}

} // namespace astro
