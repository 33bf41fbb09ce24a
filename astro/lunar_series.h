// The Moon's geometric geocentric position from the full ELP 2000-82B
// series, as Debian's libnova sums it.
//
// libnova's ln_get_lunar_geo_posn (precision 0: every term of the 36
// series, about 37,000) takes the Julian date in the theory's dynamical
// time, t = (JD - 2451545.0) / 36525 Julian centuries; TT is given here
// (TDB - TT stays below 2 ms, 1 m of the Moon's path). It returns the
// position in kilometres referred to the inertial mean ecliptic and
// equinox of J2000, the series having been carried from the ecliptic of
// date by Laskar's precession (its P and Q series), with the constants
// fitted to DE200/LE200. Here that is rotated to the GCRS by the IAU 2006
// ecliptic of J2000 (eraEcm06 at J2000.0, frame bias included); the two
// ecliptics agree within a few hundredths of an arcsecond.
//
// One evaluation takes 2 to 3 ms. libnova keeps state between calls
// (it is not re-entrant), so calls are serialised here.
#pragma once

#include "astro/vector.h"

namespace astro {

// The Moon's geometric position relative to the Earth's centre in the
// GCRS (km) at `tt` days since J2000.0 TT, without light time.
Vector MoonSeriesGcrs(double tt);

} // namespace astro
