// The great circle's vertex and its split into rhumb legs, and the
// composite track, held against GeodSolve and against what they promise:
// the split converges to the great circle as its step shrinks; the
// composite never crosses its limit and is no longer than the rhumb line.
#include "geo/ellipsoid_definitions.h"
#include "wayline/core/composite_track.h"
#include "wayline/core/great_circle_split.h"
#include "wayline/core/leg_solution.h"

#include <gtest/gtest.h>

#include "program_output.h"
#include "test_texts.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <cmath>
#include <random>
#include <sstream>

namespace {

using wayline::LegKind;
using wayline::SplitStep;
using wayline::Waypoint;

const wayline::Earth Wgs84(geo::Wgs84Index);

TEST(GreatCircle, VertexAndSplitPointsLieOnItByGeodSolve)
{
    // Each point P of a split, and the vertex where it is on the leg, lies
    // on the great circle: A to P and P to B add up to A to B; at the
    // vertex the great circle from A arrives due east or west.
    const struct {
        Waypoint from, to;
        SplitStep step;
    } cases[] = {
        {{"Yokohama", 35.44, 139.64}, {"San Francisco", 37.8, -122.5}, {SplitStep::Unit::Degrees, 10}},
        {{"Cape Town", -33.9, 18.4}, {"Melbourne", -38.1, 144.9}, {SplitStep::Unit::NauticalMiles, 600}},
        {{"Lizard", 49.95, -5.2}, {"Bermuda", 32.3, -64.8}, {SplitStep::Unit::Degrees, 5}},
        {{"", 20, 170}, {"", 30, -160}, {SplitStep::Unit::Degrees, 7}},
    };
    std::ostringstream in;
    in.precision(17);
    std::vector<double> expectedSums; // A to B, for each point
    for (const auto& c : cases) {
        const wayline::GreatCircleSplit split = wayline::SplitGreatCircle(Wgs84, c.from, c.to, c.step);
        ASSERT_GT(split.Points.size(), 3u);
        for (const Waypoint& p : split.Points)
            in << c.from.Lat << ' ' << c.from.Lon << ' ' << p.Lat << ' ' << p.Lon << '\n'
               << p.Lat << ' ' << p.Lon << ' ' << c.to.Lat << ' ' << c.to.Lon << '\n';
        const std::optional<wayline::Vertex> v = wayline::GreatCircleVertex(Wgs84, c.from, c.to);
        ASSERT_TRUE(v);
        in << c.from.Lat << ' ' << c.from.Lon << ' ' << v->Lat << ' ' << v->Lon << '\n';
        expectedSums.push_back(split.GreatCircleMetres);
    }
    std::istringstream out(testsupport::ProgramOutput("printf '%s' '" + in.str() + "' | GeodSolve -i -p 9"));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        const wayline::GreatCircleSplit split = wayline::SplitGreatCircle(Wgs84, c.from, c.to, c.step);
        for (std::size_t i = 0; i < split.Points.size(); ++i) {
            double azi1, azi2, s1, s2;
            ASSERT_TRUE(out >> azi1 >> azi2 >> s1 >> azi1 >> azi2 >> s2);
            EXPECT_NEAR(s1 + s2, expectedSums[k], 0.001) << c.from.Name << " point " << i;
            const Waypoint& p = split.Points[i];
            if (c.step.By == SplitStep::Unit::Degrees && i > 0 && i + 1 < split.Points.size()) {
                EXPECT_NEAR(std::remainder(p.Lon, c.step.Size), 0, 1e-9) << c.from.Name << " point " << i;
            }
            if (c.step.By == SplitStep::Unit::NauticalMiles && i + 1 < split.Points.size()) {
                EXPECT_NEAR(s1, i * c.step.Size * 1852, 0.001) << c.from.Name << " point " << i;
            }
        }
        double azi1, azi2, s;
        ASSERT_TRUE(out >> azi1 >> azi2 >> s);
        const std::optional<wayline::Vertex> v = wayline::GreatCircleVertex(Wgs84, c.from, c.to);
        EXPECT_NEAR(std::fabs(azi2), 90, 1e-7) << c.from.Name;
        EXPECT_EQ(v->OnLeg, s <= expectedSums[k]) << c.from.Name;
    }
}

TEST(GreatCircle, SplitConvergesToItAsTheStepShrinks)
{
    const Waypoint from{"", 35.44, 139.64}, to{"", 37.8, -122.5};
    const double gc = wayline::SolveLeg(Wgs84, from, to, LegKind::GreatCircle).Metres;
    const double rhumb = wayline::SolveLeg(Wgs84, from, to, LegKind::Rhumb).Metres;
    // The cost falls with the square of the step: a quarter for half the step.
    double before = (rhumb - gc) / 0.3;
    for (const double step : {40.0, 20.0, 10.0, 5.0, 2.5, 1.25, 0.625}) {
        const wayline::GreatCircleSplit split = wayline::SplitGreatCircle(Wgs84, from, to, {SplitStep::Unit::Degrees, step});
        EXPECT_DOUBLE_EQ(split.GreatCircleMetres, gc);
        EXPECT_NEAR(split.ExtraMetres, split.RhumbMetres - gc, 1e-6);
        EXPECT_LT(split.ExtraMetres, 0.3 * before) << step;
        before = split.ExtraMetres;
    }
    EXPECT_LT(wayline::SplitGreatCircle(Wgs84, from, to, {SplitStep::Unit::Degrees, 0.1}).ExtraMetres, 1.0);
}

TEST(GreatCircle, SplitEdgesAndRefusals)
{
    const auto split = [](Waypoint a, Waypoint b, SplitStep step) { return wayline::SplitGreatCircle(Wgs84, a, b, step); };
    // Along a meridian no meridian is crossed; over a pole neither.
    EXPECT_EQ(split({"", 10, 5}, {"", 50, 5}, {SplitStep::Unit::Degrees, 5}).Points.size(), 2u);
    EXPECT_EQ(split({"", 80, 0}, {"", 80, 180}, {SplitStep::Unit::Degrees, 5}).Points.size(), 2u);
    EXPECT_EQ(split({"", 80, 0}, {"", 80, 180}, {SplitStep::Unit::NauticalMiles, 100}).Points.size(), 14u);
    EXPECT_EQ(split({"", 10, 5}, {"", 10, 5}, {SplitStep::Unit::Degrees, 5}).Steps.size(), 0u);
    // Westward across 180: 175 W ... 170 E.
    const wayline::GreatCircleSplit west = split({"", 30, -172}, {"", 35, 168}, {SplitStep::Unit::Degrees, 5});
    std::vector<double> lons;
    for (const Waypoint& p : west.Points)
        lons.push_back(p.Lon);
    EXPECT_EQ(lons.size(), 6u);
    EXPECT_NEAR(lons[1], -175, 1e-9);
    EXPECT_NEAR(std::fabs(lons[2]), 180, 1e-9);
    EXPECT_NEAR(lons[4], 170, 1e-9);
    const struct {
        SplitStep step;
        const char* message;
    } refused[] = {
        {{SplitStep::Unit::Degrees, 0}, "the step 0 is not a step of longitude (above 0, up to 180 degrees)"},
        {{SplitStep::Unit::Degrees, 190}, "the step 190 is not a step of longitude (above 0, up to 180 degrees)"},
        {{SplitStep::Unit::NauticalMiles, NAN}, "the step nan is not a distance in nautical miles above 0"},
        {{SplitStep::Unit::NauticalMiles, 0.1}, "a step of 0.1 nautical miles would give more than 10000 points"},
        {{SplitStep::Unit::Degrees, 0.001}, "a step of 0.001 degrees would give more than 10000 points"},
    };
    for (const auto& r : refused)
        EXPECT_EQ(testtexts::WhatOf([&] { split({"", 35.44, 139.64}, {"", 37.8, -122.5}, r.step); }), r.message);
}

// The highest latitude (in magnitude) a great-circle leg reaches, sampled.
double Highest(const Waypoint& a, const Waypoint& b)
{
    const GeographicLib::GeodesicLine line = Wgs84.Geodesic.InverseLine(a.Lat, a.Lon, b.Lat, b.Lon);
    double highest = 0;
    for (int i = 0; i <= 400; ++i) {
        double lat, lon;
        line.Position(line.Distance() * i / 400, lat, lon);
        highest = std::fmax(highest, std::fabs(lat));
    }
    return highest;
}

// Checks a composite track; returns its length.
double CheckComposite(const Waypoint& from, const Waypoint& to, double limit, const std::string& name)
{
    const wayline::Route track = wayline::CompositeTrack(Wgs84, from, to, limit);
    wayline::CheckRoute(track);
    EXPECT_EQ(track.Points.front(), from) << name;
    EXPECT_EQ(track.Points.back(), to) << name;
    double length = 0;
    for (std::size_t i = 0; i + 1 < track.Points.size(); ++i) {
        const wayline::LegSolution leg = wayline::SolveLeg(Wgs84, track.Points[i], track.Points[i + 1], track.Legs[i].Kind);
        length += leg.Metres;
        EXPECT_FALSE(leg.SamePoint) << name;
        if (track.Legs[i].Kind == LegKind::GreatCircle) {
            EXPECT_LE(Highest(track.Points[i], track.Points[i + 1]), std::fabs(limit) + 1e-9) << name;
            // Joining the parallel or leaving it, the great circle runs along it.
            const bool joins = i + 1 < track.Legs.size();
            const double course = joins ? *leg.FinalCourse : *leg.InitialCourse;
            if (track.Legs.size() > 1) {
                EXPECT_NEAR(std::fabs(std::remainder(course, 180.0)), 90, 1e-6) << name;
            }
        } else {
            EXPECT_EQ(track.Legs[i].Kind, LegKind::Parallel) << name;
            EXPECT_EQ(std::fabs(track.Points[i].Lat), std::fabs(limit)) << name;
        }
    }
    EXPECT_LE(length, wayline::SolveLeg(Wgs84, from, to, LegKind::Rhumb).Metres + 1e-6) << name;
    EXPECT_GE(length, wayline::SolveLeg(Wgs84, from, to, LegKind::GreatCircle).Metres - 1e-6) << name;
    return length;
}

TEST(CompositeTrack, NeverCrossesItsLimitNorLongerThanTheRhumbLine)
{
    const struct {
        const char* name;
        Waypoint from, to;
        double limit;
        std::size_t legs;
    } cases[] = {
        {"Cape Town to Melbourne, 45 S", {"Cape Town", -33.9, 18.4}, {"Melbourne", -38.1, 144.9}, -45, 3},
        {"the same, the limit given unsigned", {"Cape Town", -33.9, 18.4}, {"Melbourne", -38.1, 144.9}, 45, 3},
        {"Yokohama to San Francisco, 45 N", {"Yokohama", 35.44, 139.64}, {"San Francisco", 37.8, -122.5}, 45, 3},
        {"westward, 45 N", {"San Francisco", 37.8, -122.5}, {"Yokohama", 35.44, 139.64}, 45, 3},
        {"within the limit: the great circle", {"Lizard", 49.95, -5.2}, {"Bermuda", 32.3, -64.8}, 55, 1},
        {"starting on the limit", {"", 45, 150}, {"San Francisco", 37.8, -122.5}, 45, 2},
        {"ending on the limit", {"Cape Town", -33.9, 18.4}, {"", -45, 140}, -45, 2},
        {"over the pole: east", {"", 50, 0}, {"", 50, 180}, 60, 3},
    };
    for (const auto& c : cases) {
        CheckComposite(c.from, c.to, c.limit, c.name);
        EXPECT_EQ(wayline::CompositeTrack(Wgs84, c.from, c.to, c.limit).Legs.size(), c.legs) << c.name;
    }
    const wayline::Route pole = wayline::CompositeTrack(Wgs84, {"", 50, 0}, {"", 50, 180}, 60);
    EXPECT_GT(pole.Points[1].Lon, 0);
    EXPECT_EQ(pole.Points[1].Name, wayline::FirstVertexName);

    // Random passages across every ocean, limits from 20 to 80 degrees.
    std::mt19937 random(20270609);
    std::uniform_real_distribution<double> unit(0, 1);
    int composites = 0;
    for (int k = 0; k < 300; ++k) {
        const double limit = 20 + 60 * unit(random);
        const Waypoint a{"", (2 * unit(random) - 1) * limit, 360 * unit(random) - 180};
        const Waypoint b{"", (2 * unit(random) - 1) * limit, 360 * unit(random) - 180};
        CheckComposite(a, b, limit, "random " + std::to_string(k));
        composites += wayline::CompositeTrack(Wgs84, a, b, limit).Legs.size() > 1;
    }
    EXPECT_GT(composites, 30);
}

TEST(CompositeTrack, RefusesEndsBeyondTheLimitAndLimitsThatAreNone)
{
    const struct {
        Waypoint from, to;
        double limit;
        const char* message;
    } cases[] = {
        {{"Reykjavik", 64.1, -21.9}, {"", 40, -70}, 60,
         "Reykjavik lies beyond the limiting latitude 60\xC2\xB0: no composite track reaches it"},
        {{"", 40, -70}, {"", -62, 0}, -60, "the destination lies beyond the limiting latitude 60\xC2\xB0: no composite track reaches it"},
        {{"", 40, -70}, {"", 45, 0}, 90, "the limiting latitude 90 is not a latitude above 0 and below 90 degrees"},
        {{"", 0, -70}, {"", 0, 0}, 0, "the limiting latitude 0 is not a latitude above 0 and below 90 degrees"},
        {{"", 0, -70}, {"", 0, 0}, NAN, "the limiting latitude nan is not a latitude above 0 and below 90 degrees"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testtexts::WhatOf([&] { wayline::CompositeTrack(Wgs84, c.from, c.to, c.limit); }), c.message);
}

TEST(CompositeTrack, ReplacesOneLegOfARoute)
{
    wayline::Route route = wayline::MakeRoute(
        {{"Yokohama", 35.44, 139.64}, {"San Francisco", 37.8, -122.5}, {"Panama", 8.9, -79.5}}, LegKind::Rhumb);
    route.Legs[0].Speed = 14;
    const wayline::Route out = wayline::WithComposite(route, 0, 45, Wgs84);
    ASSERT_EQ(out.Points.size(), 5u);
    EXPECT_EQ(out.Points[3].Name, "San Francisco");
    EXPECT_EQ(out.Points[4].Name, "Panama");
    const std::vector<LegKind> kinds = {LegKind::GreatCircle, LegKind::Parallel, LegKind::GreatCircle, LegKind::Rhumb};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(out.Legs[i].Kind, kinds[i]);
        EXPECT_EQ(out.Legs[i].Speed, i < 3 ? std::optional(14.0) : std::nullopt);
    }
    EXPECT_EQ(testtexts::WhatOf([&] { wayline::WithComposite(route, 2, 45, Wgs84); }), "the route has no leg 3");
}

} // namespace
