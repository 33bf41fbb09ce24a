#include "astro/root_finding.h"

#include <cmath>
#include <limits>

namespace astro {
namespace {

constexpr double Epsilon = std::numeric_limits<double>::epsilon();
constexpr int MaxSteps = 200; // far beyond what either method needs; bisection alone halves 200 times

} // namespace

double FindRoot(const std::function<double(double)>& f, double a, double b, double fa, double fb, double tolerance)
{
    if (fa == 0)
        return a;
    if (fb == 0)
        return b;
    double c = a, fc = fa, d = b - a, e = d;
    for (int step = 0; step < MaxSteps; ++step) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * Epsilon * std::fabs(b) + tolerance / 2;
        const double m = (c - b) / 2;
        if (std::fabs(m) <= tol || fb == 0)
            return b;
        if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
            d = e = m; // bisection
        } else {
            double p, q;
            const double s = fb / fa;
            if (a == c) { // secant
                p = 2 * m * s;
                q = 1 - s;
            } else { // inverse quadratic interpolation
                const double r = fb / fc, t = fa / fc;
                p = s * (2 * m * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < 3 * m * q - std::fabs(tol * q) && p < std::fabs(e * q / 2)) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

Extremum FindMinimum(const std::function<double(double)>& f, double a, double b, double tolerance)
{
    const double golden = (3 - std::sqrt(5.0)) / 2;
    double x = a + golden * (b - a), w = x, v = x;
    double fx = f(x), fw = fx, fv = fx;
    double d = 0, e = 0;
    for (int step = 0; step < MaxSteps; ++step) {
        const double middle = (a + b) / 2;
        const double tol = std::sqrt(Epsilon) * std::fabs(x) + tolerance / 3;
        if (std::fabs(x - middle) <= 2 * tol - (b - a) / 2)
            break;
        bool parabolic = false;
        if (std::fabs(e) > tol) {
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            else
                q = -q;
            if (std::fabs(p) < std::fabs(q * e / 2) && p > q * (a - x) && p < q * (b - x)) {
                e = d;
                d = p / q;
                const double u = x + d;
                if (u - a < 2 * tol || b - u < 2 * tol)
                    d = x < middle ? tol : -tol;
                parabolic = true;
            }
        }
        if (!parabolic) {
            e = (x < middle ? b : a) - x;
            d = golden * e;
        }
        const double u = x + (std::fabs(d) >= tol ? d : (d > 0 ? tol : -tol));
        const double fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return {x, fx};
}

} // namespace astro
