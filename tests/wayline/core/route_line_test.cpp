// The line a chart draws of a route: great circles by points that lie on
// the geodesic as GeodSolve finds it, a degree of arc apart at most,
// rhumb lines by their ends; longitudes run on across 180 the way each
// leg is sailed, and every waypoint is on the line where it is.
#include "wayline/core/leg_solution.h"
#include "wayline/core/route_line.h"

#include <gtest/gtest.h>

#include "reference_legs.h"

#include <cmath>

namespace {

using wayline::LegKind;

TEST(RouteLine, GreatCirclesOnTheGeodesicRhumbLinesByTheirEnds)
{
    for (const wayline_test::RouteCase& r : wayline_test::Routes)
        for (const LegKind kind : {LegKind::Rhumb, LegKind::GreatCircle}) {
            const wayline::RouteLine line = wayline::DrawnLine(wayline::Earth(r.ellipsoid), wayline::MakeRoute(r.points, kind));
            const std::string where = std::string(r.name) + (kind == LegKind::Rhumb ? ", rhumb" : ", great circle");
            ASSERT_EQ(line.WaypointAt.size(), r.points.size()) << where;
            // On each leg, each point drawn from the leg's start and to its
            // end: on the geodesic the two add up to the whole.
            std::vector<std::array<double, 4>> pieces;
            for (std::size_t i = 0; i < r.points.size(); ++i) {
                const wayline::Waypoint& a = r.points[i];
                const wayline::LinePoint& at = line.Points.at(line.WaypointAt[i]);
                EXPECT_EQ(at.Lat, a.Lat) << where << ", waypoint " << i + 1;
                EXPECT_NEAR(std::remainder(at.Lon - a.Lon, 360.0), 0, 1e-9) << where << ", waypoint " << i + 1;
                if (i + 1 == r.points.size())
                    break;
                const wayline::Waypoint& b = r.points[i + 1];
                if (kind == LegKind::Rhumb) {
                    EXPECT_EQ(line.WaypointAt[i + 1], line.WaypointAt[i] + 1) << where;
                }
                for (std::size_t k = line.WaypointAt[i] + 1; k <= line.WaypointAt[i + 1]; ++k) {
                    const wayline::LinePoint &p = line.Points[k], &q = line.Points[k - 1];
                    pieces.insert(pieces.end(), {{a.Lat, a.Lon, b.Lat, b.Lon}, {a.Lat, a.Lon, p.Lat, p.Lon},
                                                 {p.Lat, p.Lon, b.Lat, b.Lon}, {q.Lat, q.Lon, p.Lat, p.Lon}});
                }
            }
            if (kind == LegKind::Rhumb)
                continue;
            const auto tools = wayline_test::ReferenceLegs(r.ellipsoid, pieces);
            for (std::size_t t = 0; t < tools.size(); t += 4) {
                EXPECT_NEAR(tools[t + 1].Geodesic + tools[t + 2].Geodesic, tools[t].Geodesic, 0.001) << where << ", " << t;
                EXPECT_LE(tools[t + 3].Geodesic, 61 * 1852.0) << where << ", " << t; // a degree of arc
            }
        }
}

TEST(RouteLine, AcrossOrOnTo180TheWayTheLegIsSailed)
{
    const wayline::Earth wgs84(geo::Wgs84Index);
    const struct {
        std::vector<wayline::Waypoint> points;
        LegKind kind;
        double lastLon; // as drawn
    } cases[] = {
        {{{"", -18, 178}, {"", -14, -172}}, LegKind::Rhumb, 188},
        {{{"", -14, -172}, {"", -18, 178}}, LegKind::Rhumb, -182},
        {{{"", 10, 0}, {"", 20, 180}}, LegKind::Rhumb, 180},
        {{{"", 10, 0}, {"", 20, -180}}, LegKind::Rhumb, -180}, // its course goes west
        {{{"", 30, 170}, {"", 35, -160}}, LegKind::GreatCircle, 200},
        {{{"", 0, 0}, {"", 0, 120}, {"", 0, -120}, {"", 0, 0}}, LegKind::Rhumb, 360},
    };
    for (const auto& c : cases) {
        const wayline::RouteLine line = wayline::DrawnLine(wgs84, wayline::MakeRoute(c.points, c.kind));
        EXPECT_NEAR(line.Points.back().Lon, c.lastLon, 1e-9) << c.lastLon;
        const wayline::LegSolution first = wayline::SolveLeg(wgs84, c.points[0], c.points[1], c.kind);
        EXPECT_EQ(line.Points[1].Lon > line.Points[0].Lon, *(first.Course ? first.Course : first.InitialCourse) < 180)
            << c.lastLon;
    }
}

} // namespace
