// Functions of latitude on a reference ellipsoid.
//
// Latitudes are in radians, north positive; lengths in metres. Each routine
// reads only `a` and `e2` of the record it is given, carries its
// intermediates in extended precision and rounds the result to double.
// Their domain is a latitude between -pi/2 and pi/2 (inclusive: all three
// are finite at the poles) and an ellipsoid with 0 <= e2 < 1. They check
// nothing and keep no state.
#pragma once

#include "geo/ellipsoids.h"

namespace geo {

// Radius of curvature in the prime vertical, N = a / sqrt(1 - e2 sin^2 phi).
// N = a on the equator and a / sqrt(1 - e2) at the poles; even in phi.
double PrimeVerticalRadius(Ellipsoid ellipsoid, double phi);

// Length of the meridian from the equator to latitude phi, from the series
// in powers of e2 cut after e2^3. Signed like phi (odd in phi).
double MeridianArc(Ellipsoid ellipsoid, double phi);

// dM/dphi, the term-by-term derivative of MeridianArc's series: the radius
// of curvature in the meridian, metres per radian. Even in phi.
double MeridianArcRate(Ellipsoid ellipsoid, double phi);

// Both of the above at one latitude, for a caller that needs the pair (the
// Newton steps of the rhumb line): the same values for half the work.
struct ArcAndRate {
    double Arc;  // MeridianArc
    double Rate; // MeridianArcRate
};
ArcAndRate MeridianArcAndRate(Ellipsoid ellipsoid, double phi);

} // namespace geo
