// Sailing one leg on a reference ellipsoid.
//
// Angles are in radians unless named otherwise; courses in degrees
// clockwise from north; speeds in knots; intervals in decimal hours.
#pragma once

#include "geo/ellipsoids.h"

namespace legplot {

// Degrees per radian, 180/pi; every conversion of the computation uses it.
inline constexpr long double DegreesPerRadian = 57.29577951308232L;

// Isometric latitude psi(phi, e) = ln tan(pi/4 + phi/2) - e/2 ln((1 + e sin phi) / (1 - e sin phi)),
// with the first eccentricity e (not its square). Odd in phi, 0 on the
// equator, unbounded towards the poles. Throws InvalidOperation where it
// has no finite value: at and beyond the poles.
double IsometricLatitude(double phi, double e);

// Where a leg ends: the latitude reached and the change of longitude, both
// in radians.
struct LegChange {
    double Phi2;
    double DeltaLambda;
};

// Sails from latitude `phi` on `courseDegrees` at `speedKnots` for
// `intervalHours`. A course of 360 or more is sailed as the same course
// below 360. Exactly 090.0 and 270.0 sail along the parallel of `phi`;
// any other course along the rhumb line, the end latitude found by Newton
// steps on the meridian arc (at least one, at most MaxCorrections) and
// the longitude change from the isometric latitudes.
//
// Throws InvalidOperation for a leg that passes a pole, an iteration that
// does not settle, or any result that is not a finite number.
LegChange SailLeg(const geo::Ellipsoid& ellipsoid, double phi, double courseDegrees, double speedKnots,
                  double intervalHours);

inline constexpr int MaxCorrections = 100;

} // namespace legplot
