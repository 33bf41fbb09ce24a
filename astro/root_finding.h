// Safeguarded one-dimensional solvers (Brent, "Algorithms for Minimization
// without Derivatives", 1973, chapters 4 and 5): inverse quadratic
// interpolation and golden sections, falling back on bisection, so that
// they always converge within the bracket given.
#pragma once

#include <functional>

namespace astro {

// A root of f in [a, b], where f(a) and f(b) differ in sign (or one is 0),
// to within `tolerance` (same unit as a and b). fa = f(a), fb = f(b).
double FindRoot(const std::function<double(double)>& f, double a, double b, double fa, double fb, double tolerance);

struct Extremum {
    double At;
    double Value;
};

// The minimum of f in [a, b] to within `tolerance` in the argument
// (a local one, should f have several).
Extremum FindMinimum(const std::function<double(double)>& f, double a, double b, double tolerance);

} // namespace astro
