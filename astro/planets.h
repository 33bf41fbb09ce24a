// Apparent geocentric places of the navigational planets, Venus, Mars,
// Jupiter and Saturn, with what the almanac gives for them.
//
// Theory and frames:
// - Heliocentric positions from VSOP87 as Debian's libnova sums it
//   (ln_get_<planet>_helio_coords, series truncated near 1e-10 rad, so
//   that they keep the theory's own precision, about 1" over 1900-2100).
//   libnova's tables are VSOP87B, heliocentric spherical coordinates on
//   the ecliptic and equinox of J2000 (the linear terms of their longitude
//   series are the J2000 mean motions: Venus 10213.28554621638 rad per
//   millennium, where VSOP87D's of date has 10213.52943052898), although
//   libnova then applies Meeus's correction from VSOP87 of date to FK5
//   (at most 0.1"; left as it is, since it moves the Earth and the planet
//   alike). Time argument TT, for TDB (2 ms apart).
// - The Earth from the same series, so that the geocentric vector is a
//   difference within one theory and one frame; rotated to the GCRS by
//   the IAU 2006 ecliptic of J2000 (eraEcm06 at J2000.0, frame bias
//   included), as the Moon's series is.
// - The light time iterated (the planet where the light left it, the
//   Earth now; the Sun's barycentric motion over the light time
//   included), annual aberration with the Earth's barycentric velocity
//   (eraAb, eraEpv00's velocity), then precession-nutation IAU 2006/2000A
//   to the true equator and equinox of date, and GHA = GAST - RA, all as
//   for the Sun (apparent.h, bodies.h). No light deflection (under 0.01"
//   away from the Sun's limb).
// - Semi-diameters from the IAU equatorial radii (Venus 6051.8 km, Mars
//   3396.19 km, Jupiter 71492 km, Saturn 60268 km, the globe without its
//   rings), geocentric; the equatorial horizontal parallax asin(a /
//   distance) with WGS 84's a.
// - Visual magnitudes by Mallama & Hilton, "Computing apparent planetary
//   magnitudes for The Astronomical Almanac" (Astronomy and Computing 25,
//   2018), the formulas the Astronomical Almanac uses since 2018: Venus in
//   its two ranges of phase angle, Mars without its small terms of
//   orbital and rotational longitude, Jupiter, and Saturn with its rings
//   (their tilt the geometric mean of the saturnicentric latitudes of the
//   Earth and the Sun, from the IAU pole of Saturn, 0 when the two lie on
//   opposite sides of the ring plane).
#pragma once

#include "astro/time_scales.h"

namespace astro {

enum class Planet { Venus, Mars, Jupiter, Saturn };

struct PlanetPlace {
    double RightAscension;     // apparent, true equator and equinox of date (degrees, [0, 360))
    double Declination;        // (degrees)
    double Gha;                // GAST - RA (degrees, [0, 360))
    double Distance;           // from the Earth's centre, as the light travelled (au)
    double SunDistance;        // from the Sun's centre then (au)
    double PhaseAngle;         // at the planet, between the Sun and the Earth (degrees, [0, 180])
    double SemiDiameter;       // geocentric (degrees)
    double HorizontalParallax; // equatorial (degrees)
    double Magnitude;          // visual
};

// The apparent geocentric place of `planet` at `time` (TimeFromUtc's;
// its TT within 1899-2101). Throws TimeRangeError beyond that.
PlanetPlace ApparentPlanet(Planet planet, const TimeArgument& time);

// The planet's visual magnitude (Mallama & Hilton 2018) at distance `r`
// from the Sun and `delta` from the Earth (au) and phase angle `alpha`
// (degrees); `ringTilt` is Saturn's rings' tilt as above (degrees, 0 to
// 27), ignored for the others. Venus's formula changes at 163.7 degrees,
// Mars's at 50, Jupiter's at 12; Saturn's holds for the phase angles
// seen from the Earth (up to 6.5 degrees).
double PlanetMagnitude(Planet planet, double r, double delta, double alpha, double ringTilt = 0.0);

} // namespace astro
