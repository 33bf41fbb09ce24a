// What a navigator reads off a passage plan at the edges: coincident
// waypoints, a great circle over a pole, opposite points, the equator,
// 180, a speed of 0, no departure; the route reversed; routes refused.
#include "geo/ellipsoid_definitions.h"
#include "wayline/core/route_plan.h"
#include "wayline/core/utc_time.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cmath>
#include <cstdio>

namespace {

using wayline::LegKind;
using wayline::Route;
using wayline::Waypoint;

constexpr double Departure = 1812522600; // 2027-06-09T06:30:00Z

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value + 0.0); // + 0.0: no "-0.0"
    return text;
}

// A leg as the window's row shows it, with its edges.
std::string Row(const wayline::LegPlan& leg)
{
    const wayline::LegSolution& s = leg.Solution;
    std::string row = leg.From + ">" + leg.To + " ";
    if (s.Kind == LegKind::GreatCircle)
        row += s.InitialCourse ? Fixed(*s.InitialCourse, 1) + "/" + Fixed(*s.FinalCourse, 1) : "-";
    else
        row += s.Course ? Fixed(*s.Course, 1) : "-";
    row += " " + Fixed(leg.NauticalMiles, 1) + "nm ";
    row += leg.Hours ? Fixed(*leg.Hours, 2) + "h " : "";
    row += leg.Eta ? wayline::UtcText(*leg.Eta) : "(" + leg.NoEta + ")";
    if (s.SamePoint)
        row += " same";
    if (s.NotUnique)
        row += " not-unique";
    if (s.Vertex)
        row += " vertex " + Fixed(s.Vertex->Lat, 4) + "," + Fixed(s.Vertex->Lon, 4) + (s.Vertex->OnLeg ? " on" : " off");
    return row;
}

Route Make(std::vector<Waypoint> points, LegKind kind, std::optional<double> speed = 10,
           std::optional<double> departure = Departure)
{
    Route r = wayline::MakeRoute(std::move(points), kind);
    r.Speed = speed;
    r.Departure = departure;
    return r;
}

TEST(RoutePlan, EdgesAsTheRowsSayThem)
{
    const wayline::Earth wgs84(geo::Wgs84Index), sphere(23);
    Route speeds = Make({{"A", 0, 0}, {"B", 1, 0}, {"C", 2, 0}, {"D", 3, 0}}, LegKind::Rhumb, 6);
    speeds.Legs[1].Speed = 0;
    Route own = Make({{"A", 0, 0}, {"B", 0, 1}, {"C", 0, 2}}, LegKind::Rhumb, std::nullopt);
    own.Legs[0].Speed = 12;
    const struct {
        const char* name;
        const wayline::Earth& earth;
        Route route;
        std::vector<std::string> rows;
    } cases[] = {
        // On the standard sphere a minute of arc is a nautical mile.
        {"a degree of the meridian on the sphere", sphere, Make({{"", 0, 0}, {"", 1, 0}}, LegKind::Rhumb),
         {"WP1>WP2 0.0 60.0nm 6.00h 2027-06-09T12:30:00Z"}},
        {"coincident waypoints take no time", wgs84,
         Make({{"Pier", 50, -4}, {"Pier", 50, -4}, {"", 50, -4}}, LegKind::GreatCircle),
         {"Pier>Pier - 0.0nm 0.00h 2027-06-09T06:30:00Z same", "Pier>WP3 - 0.0nm 0.00h 2027-06-09T06:30:00Z same"}},
        {"over the north pole", wgs84, Make({{"", 80, 0}, {"", 80, 180}}, LegKind::GreatCircle),
         {"WP1>WP2 0.0/180.0 1206.1nm 120.61h 2027-06-14T07:06:27Z vertex 90.0000,180.0000 on"}},
        {"opposite meridians by rhumb line: east along the parallel", wgs84,
         Make({{"", 80, 0}, {"", 80, 180}}, LegKind::Rhumb), {"WP1>WP2 90.0 1884.9nm 188.49h 2027-06-17T02:59:23Z"}},
        {"opposite points: the shortest way is not unique", wgs84,
         Make({{"", 10, 20}, {"", -10, -160}}, LegKind::GreatCircle, std::nullopt, std::nullopt),
         {"WP1>WP2 0.0/180.0 10801.3nm (no departure) not-unique vertex 90.0000,20.0000 on"}},
        {"along the equator: no vertex", wgs84, Make({{"", 0, 0}, {"", 0, 90}}, LegKind::GreatCircle),
         {"WP1>WP2 90.0/90.0 5409.7nm 540.97h 2027-07-01T19:28:10Z"}},
        {"across 180 the short way", wgs84, Make({{"", 10, 179}, {"", 10, -179}}, LegKind::Rhumb),
         {"WP1>WP2 90.0 118.4nm 11.84h 2027-06-09T18:20:24Z"}},
        {"a vertex beyond the leg's end", wgs84, Make({{"", 10, 0}, {"", 20, 10}}, LegKind::GreatCircle, 5),
         {"WP1>WP2 43.0/45.6 832.5nm 166.51h 2027-06-16T05:00:26Z vertex 47.9038,80.6614 off"}},
        {"speed 0 stops the clock", wgs84, speeds,
         {"A>B 0.0 59.7nm 9.95h 2027-06-09T16:27:03Z", "B>C 0.0 59.7nm (speed 0)", "C>D 0.0 59.7nm 9.95h (after leg 2)"}},
        {"a leg's own speed before the route's, none after it", wgs84, own,
         {"A>B 90.0 60.1nm 5.01h 2027-06-09T11:30:32Z", "B>C 90.0 60.1nm (no speed)"}},
    };
    for (const auto& c : cases) {
        const wayline::RoutePlan plan = wayline::PlanRoute(c.earth, c.route);
        std::vector<std::string> rows;
        for (const wayline::LegPlan& leg : plan.Legs)
            rows.push_back(Row(leg));
        EXPECT_EQ(rows, c.rows) << c.name;
        double total = 0;
        for (const wayline::LegPlan& leg : plan.Legs)
            total += leg.NauticalMiles;
        EXPECT_NEAR(plan.TotalNauticalMiles, total, 1e-9) << c.name;
        EXPECT_EQ(plan.Arrival, plan.Legs.back().Eta) << c.name;
    }
}

TEST(RoutePlan, ReversedSailsTheSameLegsBack)
{
    const wayline::Earth earth(geo::Wgs84Index);
    Route out = Make({{"Plymouth", 50.3654, -4.1427}, {"", 48.45, -5.1}, {"Finisterre", 42.88, -9.27}, {"", -33.9, 18.4}},
                     LegKind::Rhumb);
    out.Legs[2].Kind = LegKind::GreatCircle;
    out.Legs[0].Speed = 7;
    const Route back = wayline::Reversed(out);
    // Unnamed points are called by their place in the route shown.
    EXPECT_EQ(wayline::WaypointName(back, 0), "WP1");
    EXPECT_EQ(wayline::WaypointName(back, 3), "Plymouth");
    EXPECT_EQ(back.Legs.back().Speed, 7);
    const wayline::RoutePlan there = wayline::PlanRoute(earth, out), again = wayline::PlanRoute(earth, back);
    ASSERT_EQ(again.Legs.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const wayline::LegSolution& a = there.Legs[i].Solution;
        const wayline::LegSolution& b = again.Legs[2 - i].Solution;
        EXPECT_NEAR(a.Metres, b.Metres, 1e-6);
        if (a.Kind == LegKind::Rhumb)
            EXPECT_NEAR(std::remainder(*a.Course + 180 - *b.Course, 360), 0, 1e-9);
        else
            EXPECT_NEAR(std::remainder(*a.FinalCourse + 180 - *b.InitialCourse, 360), 0, 1e-9);
    }
    EXPECT_NEAR(*there.TotalHours, *again.TotalHours, 1e-9);
    EXPECT_EQ(wayline::Reversed(back), out);
}

TEST(RoutePlan, RefusesWhatNoPlanHas)
{
    const wayline::Earth earth(geo::Wgs84Index);
    Route twoLegs = Make({{"A", 0, 0}, {"B", 1, 0}}, LegKind::Rhumb);
    twoLegs.Legs.push_back({});
    Route slow = Make({{"A", 0, 0}, {"B", 1, 0}}, LegKind::Rhumb);
    slow.Legs[0].Speed = -2;
    const struct {
        Route route;
        const char* message;
    } cases[] = {
        {Make({{"Mast", 95, 0}, {"", 1, 0}}, LegKind::Rhumb), "Mast: the latitude 95 is off the globe (-90 to 90)"},
        {Make({{"", 0, 0}, {"", NAN, 0}}, LegKind::Rhumb), "WP2: the latitude nan is off the globe (-90 to 90)"},
        {Make({{"", 0, 0}, {" ", 0, INFINITY}}, LegKind::Rhumb), "WP2: the longitude inf is not a number"},
        {Make({{"A", 0, 0}, {"B", 1, 0}}, LegKind::Rhumb, -1), "the route: the speed -1 is not a speed in knots"},
        {slow, "leg 1 (A to B): the speed -2 is not a speed in knots"},
        {Make({{"A", 0, 0}, {"B", 1, 0}}, LegKind::Parallel), "leg 1 (A to B): a leg along a parallel joins two points on it"},
        {twoLegs, "the route has 2 points but 2 legs"},
        {Make({{"A", 0, 0}, {"B", 1, 0}}, LegKind::Rhumb, 10, INFINITY), "the departure is not a time"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testtexts::WhatOf([&] { wayline::PlanRoute(earth, c.route); }), c.message);
    // A single point or none: no legs, arrival at the departure.
    EXPECT_EQ(wayline::PlanRoute(earth, Make({{"A", 0, 0}}, LegKind::Rhumb)).Arrival, Departure);
    EXPECT_TRUE(wayline::PlanRoute(earth, Make({}, LegKind::Rhumb)).Legs.empty());
}

} // namespace
