// Apparent geocentric places of the bodies.
//
// Conventions:
// - Right ascension and declination refer to the true equator and
//   equinox of date (IAU 2006 precession, IAU 2000A nutation); GHA =
//   GAST - RA, GAST = ERA(UT1) - EO(TT) (eraGst06a's). Angles in degrees,
//   RA and GHA in [0, 360).
// - The Sun with light time and annual aberration, the Moon with light
//   time only (apparent.h).
// - Distances from the Earth's centre in km; semi-diameters as seen from
//   there: the Sun's radius 696,000 km (the almanacs' 15'59.63" at 1 au),
//   the Moon's 1737.4 km (the almanacs' SD = 0.2724 HP); the equatorial
//   horizontal parallax asin(a / distance) with WGS 84's a.
// - Everything through the interpolated ephemeris (ephemeris.h) unless
//   Evaluation::Direct is asked for.
#pragma once

#include "astro/state.h"
#include "astro/time_scales.h"

namespace astro {

struct GeocentricPlace {
    double RightAscension;     // apparent, true equator and equinox of date (degrees, [0, 360))
    double Declination;        // (degrees)
    double Gha;                // Greenwich hour angle, GAST - RA (degrees, [0, 360))
    double Distance;           // from the Earth's centre (km)
    double SemiDiameter;       // geocentric (degrees)
    double HorizontalParallax; // equatorial (degrees)
    Vector TrueOfDate;         // the apparent position in the true equator and equinox of date (km)
};

// Greenwich apparent sidereal time (degrees, [0, 360)).
double GreenwichApparentSiderealTime(const TimeArgument& time, Evaluation how = Evaluation::Interpolated);

// The apparent geocentric place of `body` at `time`.
GeocentricPlace ApparentPlace(Body body, const TimeArgument& time, Evaluation how = Evaluation::Interpolated);

// The apparent geocentric ecliptic longitude of `body` (degrees, [0, 360)),
// on the ecliptic and true equinox of date (the true obliquity), at `tt`
// days since J2000.0 TT.
double ApparentEclipticLongitude(Body body, double tt);

// The body's radius (km).
double BodyRadius(Body body);

} // namespace astro
