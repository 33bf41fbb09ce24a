// Apparent geocentric places of the catalogue's stars.
//
// From the catalogue place (star_catalogue.h) through ERFA's astrometry
// (eraApci13 and eraAtciq, what eraAtci13 does): space motion from J2000
// to the date (proper motion, parallax and radial velocity), light
// deflection by the Sun, annual aberration, precession-nutation IAU
// 2006/2000A; the place in the true equator and equinox of date, RA =
// CIRS RA - EO. SHA = 360 - RA, GHA = GAST - RA (bodies.h's GAST), so
// that GHA star = GHA Aries + SHA. Instants within 1899-2101 TT.
#pragma once

#include "astro/star_catalogue.h"
#include "astro/time_scales.h"

namespace astro {

struct StarPlace {
    double RightAscension; // apparent, true equator and equinox of date (degrees, [0, 360))
    double Declination;    // (degrees)
    double Sha;            // sidereal hour angle, 360 - RA (degrees, [0, 360))
    double Gha;            // GHA Aries + SHA (degrees, [0, 360))
};

// The apparent place of `star` at `time`. Throws TimeRangeError for an
// instant beyond the ephemeris's reach.
StarPlace ApparentStar(const CatalogueStar& star, const TimeArgument& time);

} // namespace astro
