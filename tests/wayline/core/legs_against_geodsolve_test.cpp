// Every leg of a route against GeographicLib's own tools, GeodSolve -i and
// RhumbSolve -i, on the ellipsoid as defined: routes across 180, near a
// pole, along the equator and along a meridian, each as rhumb lines and as
// great circles.
#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"
#include "wayline/core/route_plan.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <cmath>
#include <map>
#include <sstream>

namespace {

using wayline::LegKind;
using wayline::Waypoint;

constexpr int Intern = 15, Sphere = 23;

double AngleApart(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

struct RouteCase {
    const char* name;
    int ellipsoid;
    std::vector<Waypoint> points;
};

const RouteCase Routes[] = {
    {"across 180", geo::Wgs84Index, {{"Suva", -18.14, 178.44}, {"", -14.2, -171.7}, {"", -13.8, 179.9}, {"", 21.3, -157.9}}},
    {"near the north pole", geo::Wgs84Index, {{"", 80, 10}, {"", 88, 100}, {"", 89.5, -170}, {"", 85, -60}, {"", 90, 0}}},
    {"near the south pole", Intern, {{"", -70, 170}, {"", -89.9, 10}, {"", -75, -100}}},
    {"along the equator", geo::Wgs84Index, {{"", 0, -30}, {"", 0, 10}, {"", 0, 60}, {"", 0, 170}, {"", 0, -175}}},
    {"along a meridian", Intern, {{"", 60, 5}, {"", -30, 5}, {"", -60, 5}, {"", 50, 5}}},
    {"an ocean crossing", geo::Wgs84Index, {{"Plymouth", 50.3654, -4.1427}, {"Nantucket", 41.0, -69.5}, {"New York", 40.6892, -74.0445}}},
    {"on the sphere", Sphere, {{"", 10, 10}, {"", -20, 100}, {"", 35, -150}}},
};

TEST(RouteLegs, AgreeWithGeodSolveAndRhumbSolve)
{
    // One input per tool and ellipsoid, every leg of every route on it.
    struct Expected {
        const RouteCase* route;
        std::size_t leg;
        LegKind kind;
    };
    std::map<int, std::vector<Expected>> legs;
    std::map<int, std::ostringstream> input;
    for (const RouteCase& r : Routes) {
        for (std::size_t i = 0; i + 1 < r.points.size(); ++i) {
            legs[r.ellipsoid].push_back({&r, i, LegKind::Rhumb});
            legs[r.ellipsoid].push_back({&r, i, LegKind::GreatCircle});
            std::ostringstream& in = input[r.ellipsoid];
            in.precision(17);
            in << r.points[i].Lat << ' ' << r.points[i].Lon << ' ' << r.points[i + 1].Lat << ' '
               << r.points[i + 1].Lon << '\n';
        }
    }
    for (const auto& [ellipsoid, expected] : legs) {
        const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(ellipsoid);
        std::ostringstream axes;
        axes.precision(17);
        axes << e.a << ' ' << e.f;
        const std::string lines = input[ellipsoid].str();
        std::istringstream geodesic(
            testsupport::ProgramOutput("printf '%s' '" + lines + "' | GeodSolve -i -p 9 -e " + axes.str()));
        std::istringstream rhumb(
            testsupport::ProgramOutput("printf '%s' '" + lines + "' | RhumbSolve -i -p 9 -e " + axes.str()));

        const wayline::Earth earth(ellipsoid);
        for (std::size_t k = 0; k < expected.size(); k += 2) {
            const RouteCase& r = *expected[k].route;
            const std::size_t i = expected[k].leg;
            double azi1 = 0, azi2 = 0, s12 = 0, azi12 = 0, rhumbS12 = 0, area = 0;
            ASSERT_TRUE(geodesic >> azi1 >> azi2 >> s12) << r.name;
            ASSERT_TRUE(rhumb >> azi12 >> rhumbS12 >> area) << r.name;

            const std::string where = std::string(r.name) + ", leg " + std::to_string(i + 1);
            wayline::Route route = wayline::MakeRoute(r.points);
            const wayline::LegPlan line = wayline::PlanRoute(earth, route).Legs.at(i);
            const wayline::LegPlan gc =
                wayline::PlanRoute(earth, wayline::WithKind(route, LegKind::GreatCircle)).Legs.at(i);

            EXPECT_NEAR(line.Solution.Metres, rhumbS12, 0.001) << where;
            EXPECT_DOUBLE_EQ(line.NauticalMiles, line.Solution.Metres / geo::MetresPerNauticalMile) << where;
            ASSERT_TRUE(line.Solution.Course) << where;
            EXPECT_LT(AngleApart(*line.Solution.Course, azi12), 1e-5) << where;
            EXPECT_NEAR(gc.Solution.Metres, s12, 0.001) << where;
            ASSERT_TRUE(gc.Solution.InitialCourse && gc.Solution.FinalCourse) << where;
            EXPECT_LT(AngleApart(*gc.Solution.InitialCourse, azi1), 1e-5) << where;
            EXPECT_LT(AngleApart(*gc.Solution.FinalCourse, azi2), 1e-5) << where;
            EXPECT_LE(gc.Solution.Metres, line.Solution.Metres + 1e-6) << where;
            EXPECT_EQ(line.From, wayline::WaypointName(route, i)) << where;
        }
    }
}

} // namespace
