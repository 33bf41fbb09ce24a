#include "obsprep/core/star_set.h"

#include "obsprep/core/voyage.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

namespace obsprep {
namespace {

constexpr double Turn = 360.0;
constexpr double Tolerance = 0.25; // of the even gap, either way
constexpr double Unknown = 99.0;   // the magnitude of a star without one: fainter than any

// What makes a set better: smaller is better, in this order.
using Score = std::tuple<bool, double, double, double>;

// The largest departure from `even` of the gaps between azimuths `zn`
// taken in ascending order.
double GapError(const std::vector<double>& zn, double even)
{
    double worst = 0;
    for (std::size_t i = 0; i < zn.size(); ++i) {
        const double gap = i + 1 < zn.size() ? zn[i + 1] - zn[i] : zn.front() + Turn - zn.back();
        worst = std::max(worst, std::fabs(gap - even));
    }
    return worst;
}

} // namespace

double SpreadError(const std::vector<SkyBody>& set)
{
    std::vector<double> zn;
    for (const SkyBody& b : set)
        zn.push_back(b.ZnDeg);
    std::ranges::sort(zn);
    return GapError(zn, Turn / static_cast<double>(zn.size()));
}

std::vector<SkyBody> ProposedSet(const std::vector<SkyBody>& bodies, int count)
{
    if (count != SmallSet && count != LargeSet)
        throw PlanError("A set holds 3 or 5 stars, not " + std::to_string(count));
    std::vector<SkyBody> stars;
    std::ranges::copy_if(bodies, std::back_inserter(stars),
                         [](const SkyBody& b) { return b.Kind == astro::BodyKind::Star; });
    std::ranges::stable_sort(stars, {}, &SkyBody::ZnDeg);
    const auto size = static_cast<std::size_t>(count);
    if (stars.size() < size) return {};

    // Every set of `count`, its stars taken in azimuth order, so that its
    // gaps are the differences of neighbours.
    const double even = Turn / count, allowed = Tolerance * even;
    std::vector<std::size_t> chosen, best;
    std::vector<double> zn(size);
    Score bestScore{};
    const std::function<void(std::size_t)> choose = [&](std::size_t from) {
        if (chosen.size() == size) {
            double faintest = -Unknown, sum = 0;
            for (std::size_t k = 0; k < size; ++k) {
                zn[k] = stars[chosen[k]].ZnDeg;
                const double m = stars[chosen[k]].Magnitude.value_or(Unknown);
                faintest = std::max(faintest, m);
                sum += m;
            }
            const double error = GapError(zn, even);
            const Score score =
                error <= allowed ? Score{false, faintest, sum, error} : Score{true, error, faintest, sum};
            if (best.empty() || score < bestScore) {
                best = chosen;
                bestScore = score;
            }
            return;
        }
        for (std::size_t i = from; i + (size - chosen.size()) <= stars.size(); ++i) {
            chosen.push_back(i);
            choose(i + 1);
            chosen.pop_back();
        }
    };
    choose(0);
    std::vector<SkyBody> set;
    for (const std::size_t i : best)
        set.push_back(stars[i]);
    return set;
}

} // namespace obsprep
