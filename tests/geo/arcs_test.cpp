#include "geo/arcs.h"
#include "geo/ellipsoids.h"

#include <GeographicLib/Ellipsoid.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double DegreesPerRadian = 57.29577951308232;
const geo::Ellipsoid WGS84 = geo::Ellipsoids[22];
const geo::Ellipsoid Sphere = geo::Ellipsoids[23];

// The exact ellipsoid of a catalogue row, built from the stored a and e2.
GeographicLib::Ellipsoid ExactOf(const geo::Ellipsoid& g)
{
    return GeographicLib::Ellipsoid(g.a, 1 - std::sqrt(1 - g.e2));
}

TEST(Arcs, ReferenceValuesAtFortyFiveDegrees)
{
    const double phi = std::numbers::pi / 4;
    EXPECT_NEAR(geo::PrimeVerticalRadius(WGS84, phi), 6388838.290, 5e-4);
    EXPECT_NEAR(geo::MeridianArc(WGS84, phi), 4984944.378, 5e-4);
    EXPECT_NEAR(geo::MeridianArcRate(WGS84, phi), 6367381.817, 5e-4);
}

TEST(Arcs, EquatorAndPoles)
{
    for (const geo::Ellipsoid& g : geo::Ellipsoids) {
        EXPECT_EQ(geo::PrimeVerticalRadius(g, 0), g.a);
        EXPECT_EQ(geo::MeridianArc(g, 0), 0.0);
        // The e^4 and e^6 terms cancel on the equator: the rate is a(1 - e2).
        EXPECT_NEAR(geo::MeridianArcRate(g, 0), g.a * (1 - g.e2), 1e-6);

        const double pole = std::numbers::pi / 2;
        EXPECT_NEAR(geo::PrimeVerticalRadius(g, pole), g.a / std::sqrt(1 - g.e2), 1e-6);
        EXPECT_TRUE(std::isfinite(geo::MeridianArc(g, pole)));
        EXPECT_TRUE(std::isfinite(geo::MeridianArcRate(g, pole)));
    }
    // At the pole N is the polar radius of curvature, to the stored digits.
    EXPECT_NEAR(geo::PrimeVerticalRadius(WGS84, std::numbers::pi / 2), WGS84.c, 2e-3);
}

TEST(Arcs, SymmetryInLatitude)
{
    for (const geo::Ellipsoid& g : geo::Ellipsoids) {
        for (double deg = 0.5; deg < 90; deg += 7.25) {
            const double phi = deg / DegreesPerRadian;
            EXPECT_EQ(geo::MeridianArc(g, -phi), -geo::MeridianArc(g, phi));
            EXPECT_EQ(geo::PrimeVerticalRadius(g, -phi), geo::PrimeVerticalRadius(g, phi));
            EXPECT_EQ(geo::MeridianArcRate(g, -phi), geo::MeridianArcRate(g, phi));
        }
    }
}

TEST(Arcs, RateIsTheSlopeOfTheArc)
{
    const double h = 1e-6;
    for (const geo::Ellipsoid& g : geo::Ellipsoids) {
        for (double deg = -89.0; deg <= 89.0; deg += 4.45) {
            const double phi = deg / DegreesPerRadian;
            const double slope = (geo::MeridianArc(g, phi + h) - geo::MeridianArc(g, phi - h)) / (2 * h);
            EXPECT_NEAR(slope, geo::MeridianArcRate(g, phi), 1e-2) << deg;
        }
    }
}

TEST(Arcs, SphereHasClosedForms)
{
    for (double deg = -85.0; deg <= 85.0; deg += 17.0) {
        const double phi = deg / DegreesPerRadian;
        EXPECT_EQ(geo::PrimeVerticalRadius(Sphere, phi), Sphere.a);
        EXPECT_EQ(geo::MeridianArcRate(Sphere, phi), Sphere.a);
        EXPECT_NEAR(geo::MeridianArc(Sphere, phi), Sphere.a * phi, 1e-8);
    }
    const double arcMinute = std::numbers::pi / 10800;
    EXPECT_NEAR(geo::MeridianArc(Sphere, arcMinute), 1852.0, 1e-6);
}

// The series is cut after e2^3; against the exact meridian the error stays
// within two millimetres (the rate within a centimetre) on every ellipsoid.
TEST(Arcs, AgreeWithTheExactEllipsoid)
{
    for (const geo::Ellipsoid& g : geo::Ellipsoids) {
        const GeographicLib::Ellipsoid exact = ExactOf(g);
        for (double deg = -90.0; deg <= 90.0; deg += 2.5) {
            const double phi = deg / DegreesPerRadian;
            EXPECT_NEAR(geo::MeridianArc(g, phi), exact.MeridianDistance(deg), 2e-3) << deg;
            EXPECT_NEAR(geo::MeridianArcRate(g, phi), exact.MeridionalCurvatureRadius(deg), 1e-2) << deg;
            EXPECT_NEAR(geo::PrimeVerticalRadius(g, phi), exact.TransverseCurvatureRadius(deg), 1e-6) << deg;
        }
    }
}

TEST(Arcs, ComputeWithTheStoredValuesOfEachRow)
{
    // PZ-90 computes with its own a and the e2 it stores.
    const geo::Ellipsoid pz90 = geo::Ellipsoids[17];
    EXPECT_EQ(geo::PrimeVerticalRadius(pz90, 0), 6378136.0);
    EXPECT_NEAR(geo::PrimeVerticalRadius(pz90, std::numbers::pi / 2), 6378136.0 / std::sqrt(1 - 0.00669454186), 1e-6);

    // GRS 1980 and WGS 84 differ in the last digits only.
    const double grs = geo::MeridianArc(geo::Ellipsoids[12], std::numbers::pi / 4);
    const double wgs = geo::MeridianArc(WGS84, std::numbers::pi / 4);
    EXPECT_NE(grs, wgs);
    EXPECT_NEAR(grs, wgs, 1e-3);
}

} // namespace
