// The geometric state and the apparent positions of the Sun and the Moon
// at an instant of TT.
//
// Sources: the Moon from ELP 2000-82B (lunar_series.h); the Earth from
// SOFA's eraEpv00 (VSOP2000 fitted to DE405: 4.6 km in position, 1.4 mm/s
// in velocity at worst over 1900-2100); IAU 2000A nutation (eraNut06a,
// once an instant) with IAU 2006 precession and frame bias (eraPn06), the
// equation of the origins from that matrix (eraBpn2xy, eraS06, eraEors),
// so that GAST = ERA - EO as eraGst06a computes it; the true obliquity
// (eraObl06 plus the nutation in obliquity). The apparent positions follow
// from them as apparent.h says.
//
// The series are expensive (ELP 2000-82B about 0.25 ms an evaluation), so
// the interpolated values, which every computation of this library uses,
// come from Chebyshev series fitted at 20 nodes over fixed spans of 16
// days of TT (ephemeris_spans.h): the geometric state to the direct one,
// then the apparent positions to those the fitted state gives. Measured
// against the direct series at 45,930 instants over 1900-2100, the Moon's
// apparent position stays within 0.91 m (5e-4", 2.4e-9 of its distance),
// the Sun's within 0.09 m (1.3e-7"), the equation of the origins and the
// obliquity within 1.1e-7". Since the spans lie on a fixed grid, a result
// never depends on what was computed before.
//
// The apparent spans of 1900-2100 and the searches' margin (the Sun's and
// the Moon's positions, the equation of the origins, the true obliquity)
// are linked into the library as a table made once by this same code
// (ephemeris_table.h), their coefficients rounded to 2^-24 km for the
// Moon (0.6 mm at most in a position), so that a day's events sum no
// series. Where the table does not reach, or in a build without it, they
// are fitted here (about 5 ms of CPU a span). The geometric state
// (StateAt, what the planets need) is always fitted here. Spans are kept
// (up to 128 of each kind, about 5.6 years) for the process's life.
//
// Instants from 1899 to 2101 (|tt| < 37000 days); others throw
// TimeRangeError.
#pragma once

#include "astro/state.h"

namespace astro {

// The geometric state at `tt` days since J2000.0 TT.
GeocentricState StateAt(double tt, Evaluation how = Evaluation::Interpolated);

// The apparent position of `body` in the true equator and equinox of date
// (km from the Earth's centre) at `tt`.
Vector ApparentPosition(Body body, double tt, Evaluation how = Evaluation::Interpolated);

// The apparent position and the equation of the origins together (one
// look-up, what the topocentric places need).
struct ApparentAndOrigins {
    Vector Position;          // as ApparentPosition
    double EquationOfOrigins; // as EquationOfOriginsAt
};
ApparentAndOrigins ApparentAt(Body body, double tt, Evaluation how = Evaluation::Interpolated);

// The equation of the origins, ERA - GAST (radians), at `tt`.
double EquationOfOriginsAt(double tt, Evaluation how = Evaluation::Interpolated);

// The true obliquity of the ecliptic (radians) at `tt`.
double TrueObliquityAt(double tt, Evaluation how = Evaluation::Interpolated);

// Forgets the spans kept, so that the next computations fit or decode
// them anew (for measuring the cost of a first computation).
void ClearFittedSpans();

} // namespace astro
