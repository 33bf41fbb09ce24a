#include "astro/planets.h"

#include "astro/bodies.h"
#include "astro/ephemeris.h"
#include "astro/vector.h"

#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/mars.h>
#include <libnova/saturn.h>
#include <libnova/venus.h>

#include <cmath>
#include <mutex>

namespace astro {
namespace {

constexpr double KmPerAu = ERFA_DAU / 1000.0;
constexpr double LightAuPerDay = ERFA_DC;
constexpr int LightTimePasses = 3; // the light time to well under a millisecond

// Saturn's north pole (IAU Working Group on Cartographic Coordinates
// 2009, ICRF): right ascension and declination at J2000.0 (degrees) and
// their rates (degrees a Julian century).
constexpr double SaturnPoleRa = 40.589, SaturnPoleRaRate = -0.036;
constexpr double SaturnPoleDec = 83.537, SaturnPoleDecRate = -0.004;
constexpr double DaysPerJulianCentury = 36525.0;

double Radians(double degrees)
{
    return degrees / geo::DegreesPerRadian;
}

double Degrees(double radians)
{
    return radians * geo::DegreesPerRadian;
}

double EquatorialRadiusKm(Planet planet)
{
    switch (planet) {
    case Planet::Venus: return 6051.8;
    case Planet::Mars: return 3396.19;
    case Planet::Jupiter: return 71492.0;
    case Planet::Saturn: return 60268.0;
    }
    return 0.0;
}

// libnova keeps the last result of each series in statics: one caller at a time.
std::mutex SeriesLock;

ln_helio_posn SeriesAt(Planet planet, double jd)
{
    ln_helio_posn p{};
    switch (planet) {
    case Planet::Venus: ln_get_venus_helio_coords(jd, &p); break;
    case Planet::Mars: ln_get_mars_helio_coords(jd, &p); break;
    case Planet::Jupiter: ln_get_jupiter_helio_coords(jd, &p); break;
    case Planet::Saturn: ln_get_saturn_helio_coords(jd, &p); break;
    }
    return p;
}

// Heliocentric spherical coordinates on the ecliptic of J2000 to the GCRS (au).
Vector Gcrs(const ln_helio_posn& p)
{
    static const Matrix ecliptic = [] {
        Matrix r;
        eraEcm06(J2000, 0.0, r.m);
        return r;
    }();
    const double l = Radians(p.L), b = Radians(p.B);
    const Vector onEcliptic{{p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)}};
    return RotateBack(ecliptic, onEcliptic);
}

double AngleBetween(Vector a, Vector b)
{
    return eraSepp(a.v, b.v);
}

// Saturn's rings as the magnitude sees them: the geometric mean of the
// saturnicentric latitudes of the Earth and the Sun (degrees), 0 when
// they lie on opposite sides of the ring plane. `towardEarth` and
// `towardSun` are the directions from Saturn (GCRS).
double RingTilt(Vector towardEarth, Vector towardSun, double tt)
{
    const double centuries = tt / DaysPerJulianCentury;
    Vector pole{};
    eraS2c(Radians(SaturnPoleRa + SaturnPoleRaRate * centuries), Radians(SaturnPoleDec + SaturnPoleDecRate * centuries),
           pole.v);
    const double earth = 90.0 - Degrees(AngleBetween(pole, towardEarth));
    const double sun = 90.0 - Degrees(AngleBetween(pole, towardSun));
    return earth * sun > 0.0 ? std::sqrt(earth * sun) : 0.0;
}

} // namespace

double PlanetMagnitude(Planet planet, double r, double delta, double alpha, double ringTilt)
{
    const double distances = 5.0 * std::log10(r * delta);
    const double a = alpha;
    switch (planet) {
    case Planet::Venus:
        if (a < 163.7)
            return distances - 4.384 - 1.044e-3 * a + 3.687e-4 * a * a - 2.814e-6 * a * a * a + 8.938e-9 * a * a * a * a;
        return distances + 236.05828 - 2.81914 * a + 8.39034e-3 * a * a;
    case Planet::Mars:
        if (a <= 50.0)
            return distances - 1.601 + 2.267e-2 * a - 1.302e-4 * a * a;
        return distances - 0.367 - 2.573e-2 * a + 3.445e-4 * a * a;
    case Planet::Jupiter:
        if (a <= 12.0)
            return distances - 9.395 - 3.7e-4 * a + 6.16e-4 * a * a;
        {
            const double x = a / 180.0;
            return distances - 9.428
                - 2.5 * std::log10(1.0 - 1.507 * x - 0.363 * x * x - 0.062 * x * x * x + 2.809 * x * x * x * x
                                   - 1.876 * x * x * x * x * x);
        }
    case Planet::Saturn: {
        const double sinTilt = std::sin(Radians(ringTilt));
        return distances - 8.914 - 1.825 * sinTilt + 0.026 * a - 0.378 * sinTilt * std::exp(-2.25 * a);
    }
    }
    return NAN;
}

PlanetPlace ApparentPlanet(Planet planet, const TimeArgument& time)
{
    const GeocentricState state = StateAt(time.Tt); // refuses instants beyond its reach
    const double jd = J2000 + time.Tt;

    // Geometric places, the planet's when the light left it.
    Vector earth{}, planetAt{}, geocentric{};
    {
        const std::lock_guard<std::mutex> lock(SeriesLock);
        ln_helio_posn e{};
        ln_get_earth_helio_coords(jd, &e);
        earth = Gcrs(e);
        double lightTime = 0.0;
        for (int pass = 0; pass < LightTimePasses; ++pass) {
            planetAt = Gcrs(SeriesAt(planet, jd - lightTime));
            for (int i = 0; i < 3; ++i) {
                // The Sun's barycentric motion over the light time.
                const double sunVelocity = state.EarthBaryVelocity.v[i] - state.EarthHelioVelocity.v[i];
                geocentric.v[i] = planetAt.v[i] - earth.v[i] - lightTime * sunVelocity;
            }
            lightTime = Length(geocentric) / LightAuPerDay;
        }
    }

    PlanetPlace place{};
    place.Distance = Length(geocentric);
    place.SunDistance = Length(planetAt);
    const Vector towardEarth{{-geocentric.v[0], -geocentric.v[1], -geocentric.v[2]}};
    const Vector towardSun{{-planetAt.v[0], -planetAt.v[1], -planetAt.v[2]}};
    place.PhaseAngle = Degrees(AngleBetween(towardEarth, towardSun));

    // Annual aberration, then the true equator and equinox of date.
    double direction[3], v[3], aberrated[3];
    double distance = 0;
    eraPn(geocentric.v, &distance, direction);
    for (int i = 0; i < 3; ++i)
        v[i] = state.EarthBaryVelocity.v[i] / LightAuPerDay;
    eraAb(direction, v, Length(earth), std::sqrt(1.0 - eraPdp(v, v)), aberrated);
    Vector apparent{};
    eraSxp(distance, aberrated, apparent.v);
    Vector trueOfDate = Rotate(state.Npb, apparent);

    double ra = 0, dec = 0;
    eraC2s(trueOfDate.v, &ra, &dec);
    place.RightAscension = Degrees(eraAnp(ra));
    place.Declination = Degrees(dec);
    place.Gha = Degrees(eraAnp(Radians(GreenwichApparentSiderealTime(time)) - ra));
    const double km = place.Distance * KmPerAu;
    place.SemiDiameter = Degrees(std::asin(EquatorialRadiusKm(planet) / km));
    place.HorizontalParallax = Degrees(std::asin(geo::DefinedEllipsoid(geo::Wgs84Index).a / 1000.0 / km));
    place.Magnitude = PlanetMagnitude(planet, place.SunDistance, place.Distance, place.PhaseAngle,
                                      planet == Planet::Saturn ? RingTilt(towardEarth, towardSun, time.Tt) : 0.0);
    return place;
}

} // namespace astro
