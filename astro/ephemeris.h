// The geometric state and the apparent positions of the Sun and the Moon
// at an instant of TT.
//
// Sources: the Moon from ELP 2000-82B (lunar_series.h); the Earth from
// SOFA's eraEpv00 (VSOP2000 fitted to DE405: 4.6 km in position, 1.4 mm/s
// in velocity at worst over 1900-2100); precession-nutation IAU 2006/2000A
// (eraPnm06a, frame bias included) and the equation of the origins
// (eraEo06a), so that GAST = ERA - EO as eraGst06a computes it; the true
// obliquity (eraObl06 plus eraNut06a's nutation in obliquity). The
// apparent positions follow from them as apparent.h says.
//
// The series are expensive (ELP 2000-82B about 3 ms an evaluation), so the
// interpolated values, which every computation of this library uses, come
// from Chebyshev series fitted at 20 nodes over fixed spans of 16 days of
// TT (from J2000.0): the geometric state to the direct one, then the
// apparent positions to those the fitted state gives. Measured against
// the direct series the Moon's position stays within 0.1 m (7 cm at
// worst, 2e-10 of its distance); the other quantities are smoother still.
// Since the spans lie on a fixed grid, a result never depends on what was
// computed before. Fitted spans are kept (up to 128 of them, about 5.6
// years) for the process's life; fitting one costs about 50 ms of CPU.
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

// Forgets the fitted spans, so that the next computations fit them anew
// (for measuring the cost of a first computation).
void ClearFittedSpans();

} // namespace astro
