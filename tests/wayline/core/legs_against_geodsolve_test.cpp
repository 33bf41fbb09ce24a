// Every leg of a route against GeographicLib's own tools, GeodSolve -i and
// RhumbSolve -i, on the ellipsoid as defined: routes across 180, near a
// pole, along the equator and along a meridian, each as rhumb lines and as
// great circles.
#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"
#include "wayline/core/route_plan.h"

#include <gtest/gtest.h>

#include "reference_legs.h"

#include <cmath>
#include <map>

namespace {

using wayline::LegKind;
using wayline::Waypoint;

using wayline_test::AngleApart;
using wayline_test::RouteCase;
using wayline_test::Routes;

TEST(RouteLegs, AgreeWithGeodSolveAndRhumbSolve)
{
    // One input per tool and ellipsoid, every leg of every route on it.
    std::map<int, std::vector<const RouteCase*>> routes;
    for (const RouteCase& r : Routes)
        routes[r.ellipsoid].push_back(&r);
    for (const auto& [ellipsoid, cases] : routes) {
        std::vector<std::array<double, 4>> legs;
        for (const RouteCase* r : cases)
            for (std::size_t i = 0; i + 1 < r->points.size(); ++i)
                legs.push_back({r->points[i].Lat, r->points[i].Lon, r->points[i + 1].Lat, r->points[i + 1].Lon});
        const std::vector<wayline_test::ReferenceLeg> expected = wayline_test::ReferenceLegs(ellipsoid, legs);

        const wayline::Earth earth(ellipsoid);
        std::size_t k = 0;
        for (const RouteCase* r : cases) {
            const wayline::Route route = wayline::MakeRoute(r->points);
            const wayline::RoutePlan lines = wayline::PlanRoute(earth, route);
            const wayline::RoutePlan circles = wayline::PlanRoute(earth, wayline::WithKind(route, LegKind::GreatCircle));
            for (std::size_t i = 0; i < lines.Legs.size(); ++i, ++k) {
                const std::string where = std::string(r->name) + ", leg " + std::to_string(i + 1);
                const wayline_test::ReferenceLeg& tool = expected.at(k);
                const wayline::LegPlan& line = lines.Legs[i];
                const wayline::LegPlan& gc = circles.Legs[i];
                EXPECT_NEAR(line.Solution.Metres, tool.Rhumb, 0.001) << where;
                EXPECT_DOUBLE_EQ(line.NauticalMiles, line.Solution.Metres / geo::MetresPerNauticalMile) << where;
                ASSERT_TRUE(line.Solution.Course) << where;
                EXPECT_LT(AngleApart(*line.Solution.Course, tool.Course), 1e-5) << where;
                EXPECT_NEAR(gc.Solution.Metres, tool.Geodesic, 0.001) << where;
                ASSERT_TRUE(gc.Solution.InitialCourse && gc.Solution.FinalCourse) << where;
                EXPECT_LT(AngleApart(*gc.Solution.InitialCourse, tool.Azi1), 1e-5) << where;
                EXPECT_LT(AngleApart(*gc.Solution.FinalCourse, tool.Azi2), 1e-5) << where;
                EXPECT_LE(gc.Solution.Metres, line.Solution.Metres + 1e-6) << where;
                EXPECT_EQ(line.From, wayline::WaypointName(route, i)) << where;
            }
        }
    }
}

} // namespace
