#include "geo/ellipsoids.h"
#include "geo/errors.h"
#include "legplot/core/sailing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using legplot::IsometricLatitude;
using legplot::SailLeg;

const geo::Ellipsoid WGS84 = geo::Ellipsoids[22];
const geo::Ellipsoid Sphere = geo::Ellipsoids[23];

double Deg(double radians) { return radians * 57.29577951308232; }
double Rad(double degrees) { return degrees / 57.29577951308232; }

TEST(IsometricLatitude, ReferenceValuesAndShape)
{
    EXPECT_NEAR(IsometricLatitude(std::numbers::pi / 4, WGS84.e), 0.876634653, 1e-9);
    // Passing e2 instead of e is a classic slip; it shows at the third digit.
    EXPECT_NEAR(IsometricLatitude(std::numbers::pi / 4, WGS84.e2), 0.8813, 1e-4);
    EXPECT_EQ(IsometricLatitude(0, WGS84.e), 0.0);
    for (double deg = 1; deg < 90; deg += 8) {
        EXPECT_EQ(IsometricLatitude(-Rad(deg), WGS84.e), -IsometricLatitude(Rad(deg), WGS84.e));
        // On the sphere it is the Mercator ordinate ln tan(pi/4 + phi/2).
        EXPECT_NEAR(IsometricLatitude(Rad(deg), Sphere.e), std::log(std::tan(std::numbers::pi / 4 + Rad(deg) / 2)), 1e-12);
    }
}

TEST(IsometricLatitude, HasNoValuePastThePoles)
{
    EXPECT_TRUE(std::isfinite(IsometricLatitude(1.5707963267948966, WGS84.e)));
    EXPECT_THROW(IsometricLatitude(Rad(90.5), WGS84.e), geo::InvalidOperation);
    EXPECT_THROW(IsometricLatitude(-Rad(120), WGS84.e), geo::InvalidOperation);
    EXPECT_THROW(IsometricLatitude(NAN, WGS84.e), geo::InvalidOperation);
}

TEST(SailLeg, CourseThreeSixtyAndMoreIsSailedModuloOneTurn)
{
    // Sailed literally, 450 would take the rhumb branch with a tangent of
    // about 1e16 times a latitude change of about 1e-17.
    EXPECT_GT(std::fabs(std::tan(450.0L / legplot::DegreesPerRadian)), 1e15L);

    const auto east = SailLeg(WGS84, Rad(30), 90.0, 10.0, 6.0);
    const auto east450 = SailLeg(WGS84, Rad(30), 450.0, 10.0, 6.0);
    EXPECT_EQ(east450.Phi2, east.Phi2);
    EXPECT_EQ(east450.DeltaLambda, east.DeltaLambda);
    const double n30 = WGS84.a / std::sqrt(1 - WGS84.e2 * 0.25);
    EXPECT_NEAR(Deg(east450.DeltaLambda), Deg(60 * 1852 / (std::cos(Rad(30)) * n30)), 1e-12);

    const auto west630 = SailLeg(WGS84, Rad(30), 630.0, 10.0, 6.0);
    EXPECT_EQ(west630.DeltaLambda, -east.DeltaLambda);

    // 400 points where 40 does.
    const auto c40 = SailLeg(WGS84, Rad(10), 40.0, 12.0, 10.0);
    const auto c400 = SailLeg(WGS84, Rad(10), 400.0, 12.0, 10.0);
    EXPECT_EQ(c400.Phi2, c40.Phi2);
    EXPECT_EQ(c400.DeltaLambda, c40.DeltaLambda);

    // Two whole turns point north; the largest course the field holds,
    // 999.9, points where 279.9 does (west, a little north).
    const auto north = SailLeg(WGS84, Rad(10), 0.0, 12.0, 10.0);
    const auto c720 = SailLeg(WGS84, Rad(10), 720.0, 12.0, 10.0);
    EXPECT_EQ(c720.Phi2, north.Phi2);
    EXPECT_EQ(c720.DeltaLambda, 0.0);
    const auto c999 = SailLeg(WGS84, Rad(10), 999.9, 12.0, 10.0);
    const auto c279 = SailLeg(WGS84, Rad(10), 279.9, 12.0, 10.0);
    EXPECT_NEAR(c999.Phi2, c279.Phi2, 1e-14);
    EXPECT_NEAR(c999.DeltaLambda, c279.DeltaLambda, 1e-14);
    EXPECT_GT(c999.Phi2, Rad(10));
    EXPECT_LT(c999.DeltaLambda, -Rad(1.9));
}

TEST(SailLeg, OnlyExactlyNinetyAndTwoSeventySailTheParallel)
{
    const auto parallel = SailLeg(WGS84, Rad(45), 90.0, 10.0, 6.0);
    EXPECT_EQ(parallel.Phi2, Rad(45));
    const auto rhumb = SailLeg(WGS84, Rad(45), 89.9, 10.0, 6.0);
    EXPECT_GT(rhumb.Phi2, Rad(45));
    EXPECT_NEAR(Deg(rhumb.Phi2 - Rad(45)), 60 * std::cos(Rad(89.9)) / 60, 1e-5);
}

TEST(SailLeg, FirstEstimateAtThePoleIsStillCorrected)
{
    // The spherical first estimate lands on 90 degrees exactly; on the
    // ellipsoid the same 600 miles end short of the pole.
    const auto leg = SailLeg(WGS84, Rad(80), 0.0, 60.0, 10.0);
    EXPECT_NEAR(Deg(leg.Phi2), 89.949632, 1e-5);
    // Further south the estimate would be kilometres off as well.
    const auto lower = SailLeg(WGS84, Rad(70), 0.0, 99.9, 12.0);
    EXPECT_LT(Deg(lower.Phi2), 90.0);
}

TEST(SailLeg, PastThePoleIsAnInvalidOperation)
{
    EXPECT_THROW(SailLeg(WGS84, Rad(89), 0.0, 99.9, 100.65), geo::InvalidOperation);
    EXPECT_THROW(SailLeg(WGS84, Rad(-89), 180.0, 99.9, 100.65), geo::InvalidOperation);
    EXPECT_THROW(SailLeg(WGS84, Rad(85), 10.0, 99.9, 10.0), geo::InvalidOperation);
}

TEST(SailLeg, NonNumbersNeverComeOut)
{
    EXPECT_THROW(SailLeg(WGS84, Rad(10), 45.0, NAN, 1.0), geo::InvalidOperation);
    EXPECT_THROW(SailLeg(WGS84, Rad(10), 90.0, 10.0, INFINITY), geo::InvalidOperation);
    EXPECT_THROW(SailLeg(WGS84, NAN, 0.0, 10.0, 1.0), geo::InvalidOperation);
}

TEST(SailLeg, IterationThatDoesNotSettleIsBounded)
{
    // 1e15 miles wind the latitude round some 4e11 radians, where one unit
    // in the last place is wider than the tolerance: Newton's steps hop
    // between neighbouring doubles for ever. No window can type such a
    // leg, but the computation must still end.
    EXPECT_THROW(SailLeg(WGS84, 0.0, 0.0, 1e13, 100.0), geo::InvalidOperation);
}

} // namespace
