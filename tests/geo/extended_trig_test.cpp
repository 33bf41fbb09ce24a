#include "geo/extended_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Agreement with the C library's extended functions, in units of 2^-64
// (the last place of the extended mantissa at magnitude 1).
constexpr long double Ulp = 0x1p-64L;

TEST(ExtendedTrig, AgreesWithTheLibraryOnTheGeodesyRange)
{
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> angles(-10.0, 10.0);
    long double worstSin = 0, worstCos = 0;
    for (int i = 0; i < 200000; ++i) {
        const long double x = static_cast<long double>(angles(random)) * (1.0L + 0x1p-40L);
        const geo::SinCosPair p = geo::SinCosExtended(x);
        worstSin = std::max(worstSin, std::fabs(p.Sin - std::sin(x)));
        worstCos = std::max(worstCos, std::fabs(p.Cos - std::cos(x)));
        // What the callers keep is a double: it must be the library's.
        ASSERT_NEAR(static_cast<double>(p.Sin), static_cast<double>(std::sin(x)), 1.2e-16) << static_cast<double>(x);
    }
    EXPECT_LE(worstSin, 8 * Ulp);
    EXPECT_LE(worstCos, 8 * Ulp);
}

TEST(ExtendedTrig, TangentAgreesRelatively)
{
    for (long double x = -1.55L; x < 1.55L; x += 0.0123L) {
        const long double t = std::tan(x);
        EXPECT_LE(std::fabs(geo::TanExtended(x) - t), 16 * Ulp * std::max(1.0L, std::fabs(t))) << static_cast<double>(x);
    }
}

TEST(ExtendedTrig, QuadrantsAndExactPoints)
{
    EXPECT_EQ(geo::SinCosExtended(0.0L).Sin, 0.0L);
    EXPECT_EQ(geo::SinCosExtended(0.0L).Cos, 1.0L);
    const long double halfPi = 1.57079632679489661923132169163975144L;
    EXPECT_NEAR(geo::SinCosExtended(halfPi).Sin, 1.0L, Ulp);
    EXPECT_NEAR(geo::SinCosExtended(-halfPi).Sin, -1.0L, Ulp);
    EXPECT_NEAR(geo::SinCosExtended(2 * halfPi).Cos, -1.0L, Ulp);
    EXPECT_NEAR(geo::SinCosExtended(3 * halfPi).Cos, 0.0L, 4 * Ulp);
    // Beyond the fast range the library takes over (compared at run time:
    // the compiler's folded constant is exact, MinGW's sinl is not there).
    volatile long double big = 1e10L;
    EXPECT_EQ(geo::SinCosExtended(big).Sin, std::sin(static_cast<long double>(big)));
    EXPECT_TRUE(std::isnan(geo::SinCosExtended(NAN).Sin));
}

} // namespace
