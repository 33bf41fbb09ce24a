// Routes as others write them, read in: gpsbabel's GPX 1.0 and 1.1 made
// from its comma-separated form, a route with OpenCPN's extensions as its
// format is published, the dead-reckoning window's export; and which route
// of a file is taken.
#include "legplot/core/gpx_route.h"
#include "wayline/files/gpx_read.h"

#include <gtest/gtest.h>

#include "gpx_test_support.h"
#include "test_texts.h"

namespace {

using gpxtest::Read;
using wayline::DepartureSource;

constexpr double Departure = 1812522600; // 2027-06-09T06:30:00Z

TEST(GpxRead, RoutesGpsbabelMakesFromItsCsvInBothVersions)
{
    gpxtest::Folder folder;
    folder.Write("in.csv", "No,Name,Latitude,Longitude,Date,Time\n"
                           "1,Plymouth,50.3654,-4.1427,2027/06/09,06:30:00\n"
                           "2,Ushant,48.45,-5.1,2027/06/09,16:00:00\n"
                           "3,\"Cape, Finisterre\",42.88,-9.27,,\n"
                           "4,Caf\xC3\xA9 Tr\xC3\xA8s,-33.9,178.5,,\n");
    for (const char* format : {"gpx", "gpx,gpxver=1.1"}) {
        std::string errors;
        gpxtest::Run("gpsbabel", {"-r", "-i", "unicsv", "-f", folder.File("in.csv"), "-o", format, "-F", folder.File("out.gpx")},
                     &errors);
        ASSERT_EQ(errors, "") << format;
        const wayline::GpxDocument d = wayline::ReadGpx(folder.Contents("out.gpx"), "out.gpx");
        EXPECT_EQ(d.Version10, std::string(format) == "gpx") << format;
        ASSERT_EQ(d.Routes.size(), 1u);
        const wayline::GpxRoute& r = d.Routes[0];
        const std::vector<wayline::Waypoint> points = {
            {"Plymouth", 50.3654, -4.1427}, {"Ushant", 48.45, -5.1}, {"Cape, Finisterre", 42.88, -9.27},
            {"Caf\xC3\xA9 Tr\xC3\xA8s", -33.9, 178.5}};
        EXPECT_EQ(r.Plan.Points, points) << format;
        ASSERT_EQ(r.Points.size(), 4u);
        EXPECT_EQ(r.Points[0].Time, Departure);
        EXPECT_EQ(r.Points[1].Time, Departure + 9.5 * 3600);
        EXPECT_EQ(r.Points[2].Time, std::nullopt);
        EXPECT_EQ(r.Plan.Legs.size(), 3u);
        EXPECT_EQ(r.Plan.Departure, Departure);
        EXPECT_EQ(r.Departure, DepartureSource::FirstPointTime);
        EXPECT_EQ(r.Plan.Speed, std::nullopt);
    }
}

TEST(GpxRead, OpenCpnsPlannedSpeedsAndDeparture)
{
    const wayline::GpxDocument d = Read(gpxtest::OpenCpnRoute);
    ASSERT_EQ(d.Routes.size(), 1u);
    const wayline::GpxRoute& r = d.Routes[0];
    EXPECT_EQ(r.Plan.Name, "Beaufort to St. Mary's");
    EXPECT_EQ(r.Plan.Speed, 6.0);
    EXPECT_EQ(r.Plan.Departure, Departure);
    EXPECT_EQ(r.Departure, DepartureSource::Planned);
    // Cape Fear's speed is the first leg's; St. Mary's, the route's own.
    ASSERT_EQ(r.Plan.Legs.size(), 2u);
    EXPECT_EQ(r.Plan.Legs[0].Speed, 5.5);
    EXPECT_EQ(r.Plan.Legs[1].Speed, std::nullopt);
    // Kept where they were: the route's description and eight extensions,
    // the first point's symbol and type and three extensions.
    ASSERT_EQ(r.Elements.size(), 1u);
    EXPECT_EQ(r.Elements[0].Name, "desc");
    EXPECT_EQ(r.Extensions.size(), 8u);
    EXPECT_EQ(r.Extensions[7].Children.size(), 2u);
    EXPECT_EQ(r.Extensions[7].Children[1].InnerText(), "Red");
    ASSERT_EQ(r.Points.size(), 3u);
    EXPECT_EQ(r.Points[0].Elements.size(), 2u);
    EXPECT_EQ(r.Points[0].Extensions.size(), 3u);
    EXPECT_EQ(r.Points[1].Extensions[0].Attributes.size(), 2u);
}

TEST(GpxRead, TheDeadReckoningExportOpensAsItsRoutes)
{
    legplot::VoyagePlan plan;
    plan.StartLat = -10;
    plan.StartLon = -179.8;
    const double legs[][3] = {{270, 12, 3}, {300, 10, 2.5}, {0, 0, 0}, {45, 8, 4}, {90, 0, 1}};
    for (std::size_t i = 0; i < 5; ++i) {
        plan.Legs[i].Course = legs[i][0];
        plan.Legs[i].Speed = legs[i][1];
        plan.Legs[i].Interval = legs[i][2];
    }
    const legplot::VoyageInputs in{2027, 6, 9, "06:30", 22, geo::AngleFormat::DMdd};
    legplot::SailVoyage(plan, in, [](int, const legplot::LegTexts&) {});
    const wayline::GpxDocument d = Read(legplot::GpxRoute(plan), "passage.gpx");

    // Two routes: the one sailed from the start, and the legs after the
    // empty leg 3, from 0°, 0°.
    ASSERT_EQ(d.Routes.size(), 2u);
    const wayline::GpxRoute& first = wayline::ChooseRoute(d, std::nullopt, "passage.gpx");
    EXPECT_EQ(first.Plan.Name, "Dead reckoning");
    ASSERT_EQ(first.Plan.Points.size(), 3u);
    EXPECT_EQ(first.Plan.Points[0], (wayline::Waypoint{"Start", -10, -179.8}));
    EXPECT_EQ(first.Plan.Points[1].Name, "Leg 1");
    EXPECT_EQ(first.Plan.Points[2].Lat, plan.Legs[1].EndLat);
    EXPECT_EQ(first.Plan.Points[2].Lon, std::remainder(plan.Legs[1].EndLon, 360.0));
    EXPECT_EQ(first.Plan.Departure, Departure);
    EXPECT_EQ(first.Departure, DepartureSource::FirstPointTime);
    EXPECT_EQ(first.Points[2].Time, Departure + 5.5 * 3600);

    const wayline::GpxRoute& second = wayline::ChooseRoute(d, 1, "passage.gpx");
    EXPECT_EQ(second.Plan.Name, "Dead reckoning from 0\xC2\xB0, 0\xC2\xB0 (leg 4 on)");
    EXPECT_EQ(second.Plan.Points.size(), 3u);
    EXPECT_EQ(second.Plan.Points[0], (wayline::Waypoint{"Leg 3", 0, 0}));
    EXPECT_EQ(testtexts::WhatOf([&] { wayline::ChooseRoute(d, 2, "passage.gpx"); }),
              "The route could not be opened from passage.gpx: it holds 2 routes, not a route 3");
}

} // namespace
