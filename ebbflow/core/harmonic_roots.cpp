#include "ebbflow/core/harmonic_roots.h"

#include <cmath>
#include <complex>

namespace ebbflow {
namespace {

constexpr double SampleHours = SampleSeconds / SecondsPerHour;
// The samples between two fresh starts of the rotating phasors, so that
// their rounding never grows (one day).
constexpr int SamplesPerRestart = 240;
constexpr double Precision = 0.01 / SecondsPerHour; // hours
constexpr int MostIterations = 60;

// The root of g in [lo, hi], where g(lo) and g(hi) differ in sign; g gives
// its value and its rate. Newton's steps, halving the bracket where a step
// would leave it.
template <class G>
double Solve(G g, double lo, double hi)
{
    double glo = g(lo).first;
    double t = 0.5 * (lo + hi);
    for (int i = 0; i < MostIterations && hi - lo > Precision; ++i) {
        const auto [value, rate] = g(t);
        if ((value < 0) == (glo < 0)) {
            lo = t;
            glo = value;
        } else {
            hi = t;
        }
        const double next = rate != 0 ? t - value / rate : lo - 1;
        if (next > lo && next < hi && std::abs(next - t) < 0.5 * (hi - lo)) {
            if (std::abs(next - t) < Precision)
                return next;
            t = next;
        } else {
            t = 0.5 * (lo + hi);
        }
    }
    return t;
}

} // namespace

Roots FindRoots(const YearTerms& terms, double from, double to, bool crossings, double level)
{
    Roots roots;
    const double start = (from - terms.StartUtc) / SecondsPerHour;
    const double end = (to - terms.StartUtc) / SecondsPerHour;
    const std::size_t n = terms.Amplitude.size();
    std::vector<std::complex<double>> phasor(n), turn(n);
    for (std::size_t i = 0; i < n; ++i)
        turn[i] = std::polar(1.0, terms.Speed[i] * SampleHours);

    const auto exact = [&](double t) { return Sum(terms, terms.StartUtc + t * SecondsPerHour); };
    const auto slope = [&](double t) {
        const HarmonicSum s = exact(t);
        return std::pair{s.Rate, s.Curvature};
    };
    const auto height = [&](double t) {
        const HarmonicSum s = exact(t);
        return std::pair{s.Value - level, s.Rate};
    };

    double lastT = 0, lastValue = 0, lastRate = 0;
    for (long k = 0;; ++k) {
        const double t = std::min(start + static_cast<double>(k) * SampleHours, end);
        if (k % SamplesPerRestart == 0 || t == end) {
            for (std::size_t i = 0; i < n; ++i)
                phasor[i] = std::polar(1.0, terms.Speed[i] * t + terms.Phase[i]);
        }
        double value = 0, rate = 0;
        for (std::size_t i = 0; i < n; ++i) {
            value += terms.Amplitude[i] * phasor[i].real();
            rate -= terms.Amplitude[i] * terms.Speed[i] * phasor[i].imag();
            phasor[i] *= turn[i];
        }
        if (k > 0) {
            if ((rate < 0) != (lastRate < 0)) {
                const double root = Solve(slope, lastT, t);
                roots.Turns.push_back({terms.StartUtc + root * SecondsPerHour, lastRate > 0});
            }
            if (crossings && (value < level) != (lastValue < level)) {
                const double root = Solve(height, lastT, t);
                roots.Crossings.push_back({terms.StartUtc + root * SecondsPerHour, lastValue < level});
            }
        }
        if (t >= end)
            break;
        lastT = t;
        lastValue = value;
        lastRate = rate;
    }
    return roots;
}

} // namespace ebbflow
