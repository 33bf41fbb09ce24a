#include "astro/chebyshev.h"

#include "geo/constants.h"

#include <cmath>

namespace astro {

std::vector<double> ChebyshevNodes(int n)
{
    std::vector<double> nodes(n);
    for (int j = 0; j < n; ++j)
        nodes[j] = std::cos(geo::Pi * (j + 0.5) / n);
    return nodes;
}

std::vector<double> ChebyshevCoefficients(const std::vector<double>& values)
{
    const int n = static_cast<int>(values.size());
    std::vector<double> c(n, 0.0);
    for (int k = 0; k < n; ++k) {
        double sum = 0;
        for (int j = 0; j < n; ++j)
            sum += values[j] * std::cos(geo::Pi * k * (j + 0.5) / n);
        c[k] = 2.0 * sum / n;
    }
    if (n > 0)
        c[0] /= 2.0;
    return c;
}

double ChebyshevValue(const double* c, int n, double x)
{
    double b1 = 0, b2 = 0;
    for (int k = n - 1; k >= 1; --k) {
        const double b0 = 2.0 * x * b1 - b2 + c[k];
        b2 = b1;
        b1 = b0;
    }
    return x * b1 - b2 + c[0];
}

} // namespace astro
