// The Moon's geometric geocentric position from the ELP 2000-82B series,
// as Debian's libnova sums it.
//
// libnova's ln_get_lunar_geo_posn takes the Julian date in the theory's
// dynamical time, t = (JD - 2451545.0) / 36525 Julian centuries; TT is
// given here (TDB - TT stays below 2 ms, 1 m of the Moon's path). It
// returns the position in kilometres referred to the inertial mean
// ecliptic and equinox of J2000, the series having been carried from the
// ecliptic of date by Laskar's precession (its P and Q series), with the
// constants fitted to DE200/LE200. Here that is rotated to the GCRS by the
// IAU 2006 ecliptic of J2000 (eraEcm06 at J2000.0, frame bias included);
// the two ecliptics agree within a few hundredths of an arcsecond.
//
// What the library computes with is the series truncated at libnova's
// precision argument 1e-8: the terms whose amplitude lies below it are
// left out. Measured against the full series (precision 0, every one of
// the 36 series' 37,000 terms) at 9990 instants 7.3 days apart over
// 1900-2100, the truncated position's direction stays within 0.14" (0.135"
// at worst) and its distance within 0.23 km; the almanac's figures need
// 0.1' = 6". One truncated evaluation takes about 0.25 ms of CPU, the full
// one about 2.7 ms.
//
// libnova keeps state between calls (it is not re-entrant), so calls are
// serialised here.
#pragma once

#include "astro/vector.h"

namespace astro {

// The Moon's geometric position relative to the Earth's centre in the
// GCRS (km) at `tt` days since J2000.0 TT, without light time, from the
// truncated series.
Vector MoonSeriesGcrs(double tt);

// The same from the full series, every term (what the truncation is
// measured against).
Vector MoonFullSeriesGcrs(double tt);

// The largest deviations of MoonSeriesGcrs from MoonFullSeriesGcrs over
// 1900-2100, with a margin over those measured: of the direction
// (arcseconds) and of the distance (km).
inline constexpr double TruncationDirectionBound = 0.15;
inline constexpr double TruncationDistanceBound = 0.25;

} // namespace astro
