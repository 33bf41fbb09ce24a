// Chebyshev series: fitting a smooth function at the Chebyshev nodes of
// an interval and evaluating the fitted series anywhere in it.
//
// The nodes are those of the first kind, x_j = cos(pi (j + 1/2) / n),
// j = 0..n-1, where the interpolating polynomial of degree n-1 is as close
// to the best uniform approximation as a few percent; its coefficients
// follow from the values by the discrete cosine sum (no linear system).
#pragma once

#include <vector>

namespace astro {

// The n Chebyshev nodes of [-1, 1], from near +1 down to near -1.
std::vector<double> ChebyshevNodes(int n);

// The coefficients c_0..c_{n-1} of the polynomial through `values`,
// sampled at ChebyshevNodes(values.size()); c_0 is halved already, so
// that f(x) = sum c_k T_k(x).
std::vector<double> ChebyshevCoefficients(const std::vector<double>& values);

// sum_k c[k] T_k(x) for x in [-1, 1] (Clenshaw's recurrence); n terms.
double ChebyshevValue(const double* c, int n, double x);

// The same for Count series at once, their recurrences interleaved so
// that they run side by side: out[i] = sum_k series[i][k] T_k(x).
template <int Count>
void ChebyshevValues(const double* const (&series)[Count], int n, double x, double (&out)[Count])
{
    // Unrolled, so that the compiler keeps the recurrences in registers.
    double b1[Count] = {}, b2[Count] = {};
    const double twoX = 2.0 * x;
    for (int k = n - 1; k >= 1; --k) {
#pragma GCC unroll 8
        for (int i = 0; i < Count; ++i) {
            const double b0 = twoX * b1[i] - b2[i] + series[i][k];
            b2[i] = b1[i];
            b1[i] = b0;
        }
    }
#pragma GCC unroll 8
    for (int i = 0; i < Count; ++i)
        out[i] = x * b1[i] - b2[i] + series[i][0];
}

} // namespace astro
