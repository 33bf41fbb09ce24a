// The truncated lunar series the library computes with, held against the
// full ELP 2000-82B series over 1900-2100 within the bounds its header
// states.
#include "astro/lunar_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double ArcsecondsPerRadian = 206264.80624709636;
constexpr double FirstTt = -36524.5; // 1900-01-01T00:00 TT (days since J2000.0)
constexpr double LastTt = 36889.5;   // 2101-01-01T00:00 TT

TEST(LunarSeries, TruncatedSeriesStaysWithinItsBoundOfTheFullOne)
{
    // 301 instants over the two centuries, a day's fraction apart from each
    // other's phase, and the worst instant found on a 7.3-day grid.
    std::vector<double> instants;
    for (int k = 0; k <= 300; ++k)
        instants.push_back(FirstTt + (LastTt - FirstTt) * k / 300.0 + 0.137 * k);
    instants.push_back(2435057.3 - 2451545.0);
    double worstDirection = 0, worstDistance = 0;
    for (const double tt : instants) {
        if (tt >= LastTt)
            continue;
        astro::Vector a = astro::MoonSeriesGcrs(tt), b = astro::MoonFullSeriesGcrs(tt);
        double cross[3];
        eraPxp(a.v, b.v, cross);
        const double direction = std::atan2(eraPm(cross), eraPdp(a.v, b.v)) * ArcsecondsPerRadian;
        const double distance = std::fabs(astro::Length(a) - astro::Length(b));
        EXPECT_LT(direction, astro::TruncationDirectionBound) << "TT " << tt;
        EXPECT_LT(distance, astro::TruncationDistanceBound) << "TT " << tt;
        // A truncation, not a different theory: the terms left out are small but there.
        EXPECT_GT(direction + distance, 0.0) << "TT " << tt;
        worstDirection = std::max(worstDirection, direction);
        worstDistance = std::max(worstDistance, distance);
    }
    std::printf("Truncated lunar series against the full one: %.3f\" in direction, %.3f km in distance\n",
                worstDirection, worstDistance);
}

} // namespace
