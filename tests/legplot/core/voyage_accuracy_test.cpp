// The dead-reckoning legs against an exact rhumb line (GeographicLib) on
// the same ellipsoid: a and the flattening of the stored e2.
#include "geo/ellipsoids.h"
#include "legplot/core/sailing.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>

namespace {

constexpr long double DegreesPerRadian = legplot::DegreesPerRadian;

TEST(SailLegAccuracy, WithinAMillimetreOfTheExactRhumbLine)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> latitudes(-79.9, 79.9);
    std::uniform_int_distribution<int> tenthsOfDegree(0, 3599);
    std::uniform_int_distribution<int> tenthsOfKnot(1, 999);
    std::uniform_int_distribution<int> minutes(1, 99 * 60 + 99);

    double worst = 0;
    int legs = 0;
    for (int index = 0; index < 25; ++index) {
        const geo::Ellipsoid g = geo::Ellipsoids[static_cast<std::size_t>(index)];
        const double f = 1 - std::sqrt(1 - g.e2);
        const GeographicLib::Rhumb rhumb(g.a, f);
        const GeographicLib::Geodesic geodesic(g.a, f);
        for (int i = 0; i < 2000; ++i) {
            const double lat1 = latitudes(random);
            const double course = tenthsOfDegree(random) / 10.0;
            const double speed = tenthsOfKnot(random) / 10.0;
            const double hours = minutes(random) / 60.0;
            const double miles = speed * hours;
            if (miles > 1000)
                continue;
            double lat2 = 0, lon2 = 0;
            rhumb.Direct(lat1, 0, course, miles * 1852, lat2, lon2);
            if (std::fabs(lat2) > 80)
                continue;

            const auto leg = legplot::SailLeg(g, static_cast<double>(lat1 / DegreesPerRadian), course, speed, hours);
            const double ourLat = static_cast<double>(leg.Phi2 * DegreesPerRadian);
            const double ourLon = static_cast<double>(leg.DeltaLambda * DegreesPerRadian);
            double metres = 0;
            geodesic.Inverse(ourLat, ourLon, lat2, lon2, metres);
            worst = std::max(worst, metres);
            ++legs;
            ASSERT_LT(metres, 1e-3) << geo::EllipsoidNames[static_cast<std::size_t>(index)] << " from " << lat1
                                    << " course " << course << " " << miles << " nm";
        }
    }
    std::cout << "legs " << legs << ", worst distance from the exact rhumb line " << worst * 1000 << " mm\n";
    RecordProperty("worst_mm", std::to_string(worst * 1000));
}

} // namespace
