// Routes written out read back the same, here and by programs written by
// others: gpsbabel (without a word on its error output) and gpxpy, to the
// same points, names, times and extensions.
#include "wayline/files/gpx_read.h"
#include "wayline/files/gpx_write.h"

#include <gtest/gtest.h>

#include "gpx_test_support.h"

#include <cmath>
#include <sstream>

namespace {

using gpxtest::Read;
using wayline::GpxRoute;

// gpxpy's view of a file: every route, point, name, time, symbol and
// extension (tag, attributes, text, children), one line each.
std::string GpxpyView(const QString& file)
{
    return gpxtest::Run("/usr/bin/python3", {"-c", R"(
import sys, gpxpy
def ext(e, depth):
    text = (e.text or '').strip()
    print('  ' * depth, e.tag, sorted(e.attrib.items()), repr(text))
    for child in e: ext(child, depth + 1)
for route in gpxpy.parse(open(sys.argv[1], encoding='utf-8')).routes:
    print('route', repr(route.name), repr(route.description))
    for e in route.extensions: ext(e, 1)
    for p in route.points:
        print('point', repr(p.latitude), repr(p.longitude), repr(p.name), p.time and p.time.isoformat(), p.symbol, p.type)
        for e in p.extensions: ext(e, 1)
)", file});
}

// gpsbabel's comma-separated view, and what it said on its error output.
std::string GpsbabelView(const QString& file, std::string& errors)
{
    return gpxtest::Run("gpsbabel", {"-r", "-i", "gpx", "-f", file, "-o", "unicsv", "-F", "-"}, &errors);
}

TEST(GpxWrite, ARouteReadAndWrittenIsTheSameToGpxpyAndGpsbabel)
{
    gpxtest::Folder folder;
    folder.Write("in.gpx", QByteArray::fromStdString(gpxtest::OpenCpnRoute));
    const wayline::GpxDocument read = Read(gpxtest::OpenCpnRoute);
    folder.Write("out.gpx", wayline::WriteGpx(read.Routes));

    // Here: the same routes, all that was kept unchanged.
    EXPECT_EQ(wayline::ReadGpx(folder.Contents("out.gpx"), "out.gpx").Routes, read.Routes);

    const std::string before = GpxpyView(folder.File("in.gpx")), after = GpxpyView(folder.File("out.gpx"));
    EXPECT_NE(before.find("rte_properties"), std::string::npos) << before;
    EXPECT_EQ(after, before);

    std::string errorsBefore, errorsAfter;
    const std::string csvBefore = GpsbabelView(folder.File("in.gpx"), errorsBefore);
    const std::string csvAfter = GpsbabelView(folder.File("out.gpx"), errorsAfter);
    EXPECT_EQ(errorsAfter, "");
    EXPECT_EQ(csvAfter, csvBefore);
    EXPECT_NE(csvAfter.find("\"Cape Fear\""), std::string::npos) << csvAfter;
}

TEST(GpxWrite, APlanChangedHereIsWhatOthersRead)
{
    GpxRoute route = wayline::Reversed(Read(gpxtest::OpenCpnRoute).Routes[0]);
    route.Plan.Speed = 7.25;
    route.Plan.Departure = 1812609000.5; // 2027-06-10T06:30:00.500Z
    route.Plan.Legs[1].Speed = 4;        // Cape Fear to Beaufort
    route.Plan.Points.push_back({"Fal & <Helford> \"river\"", -0.0, 190});
    route.Plan.Legs.push_back({wayline::LegKind::GreatCircle, 12.5});
    gpxtest::Folder folder;
    const QByteArray bytes = wayline::WriteGpx({route});
    folder.Write("out.gpx", bytes);

    const wayline::GpxRoute back = wayline::ReadGpx(bytes, "out.gpx").Routes.at(0);
    wayline::Route expected = route.Plan;
    expected.Points.back() = {"Fal & <Helford> \"river\"", 0, -170};
    // The great circle comes back: GPX does not say, this program's extension does.
    EXPECT_EQ(back.Plan, expected);
    EXPECT_EQ(back.Departure, wayline::DepartureSource::Planned);

    const std::string view = GpxpyView(folder.File("out.gpx"));
    for (const char* line : {
             "{http://www.opencpn.org}planned_speed [] '7.25'",
             "{http://www.opencpn.org}planned_departure [] '2027-06-10T06:30:00.500Z'",
             // St. Mary's (now the start) keeps what it said; Cape Fear ends
             // leg 1 at the route's speed; Beaufort ends leg 2 at its own.
             "{http://www.opencpn.org}rte_properties [('planned_speed', '6.000000')] ''",
             "{http://www.opencpn.org}rte_properties [('etd', '2027-06-09T18:00:00'), ('planned_speed', '7.25')] ''",
             "{http://www.opencpn.org}rte_properties [('planned_speed', '4')] ''",
             "{http://www.opencpn.org}rte_properties [('planned_speed', '12.5')] ''",
             "{urn:x-vorlan:wayline}leg [('kind', 'great_circle')] ''",
             "point 0.0 -170.0 'Fal & <Helford> \"river\"' None None None",
             "point 34.712 -76.664 'Beaufort' 2027-06-01T12:00:00+00:00 diamond WPT",
         })
        EXPECT_NE(view.find(line), std::string::npos) << line << "\n" << view;
    std::string errors;
    const std::string csv = GpsbabelView(folder.File("out.gpx"), errors);
    EXPECT_EQ(errors, "");
    EXPECT_NE(csv.find("4,0.000000,-170.000000,\"Fal & <Helford> \"\"river\"\"\""), std::string::npos) << csv;

    // GPX 1.1's order within a point: ele, time, name, sym.
    wayline::GpxRoute ordered = wayline::GpxRouteOf(wayline::MakeRoute({{"Eddystone", 50.18, -4.27}}));
    const wayline::GpxDocument withEle = Read(gpxtest::Gpx(
        "<rte><rtept lat=\"1\" lon=\"1\"><sym>buoy</sym><ele>3</ele><time>2027-06-09T06:30:00Z</time></rtept></rte>"));
    ordered.Points[0] = withEle.Routes[0].Points[0];
    const std::string text = wayline::WriteGpx({ordered}).toStdString();
    EXPECT_LT(text.find("<ele>"), text.find("<time>"));
    EXPECT_LT(text.find("<time>"), text.find("<name>"));
    EXPECT_LT(text.find("<name>"), text.find("<sym>"));
}

TEST(GpxWrite, GpxTenIsWrittenAsElevenWithNothingLost)
{
    // GPX 1.0's own point elements that 1.1 lacks, and its extensions
    // straight in the point, go into 1.1's <extensions>.
    const std::string ten = "<?xml version=\"1.0\"?>\n<gpx version=\"1.0\" creator=\"x\" "
                            "xmlns=\"http://www.topografix.com/GPX/1/0\" xmlns:x=\"urn:x\">\n"
                            "<rte><name>R</name><number>3</number><rtept lat=\"1.5\" lon=\"2.5\"><name>P</name>"
                            "<sym>Anchor</sym><url>https://example.org/p</url><x:depth unit=\"m\">12</x:depth></rtept></rte>\n"
                            "</gpx>\n";
    const wayline::GpxDocument d = Read(ten);
    gpxtest::Folder folder;
    folder.Write("out.gpx", wayline::WriteGpx(d.Routes));
    const std::string view = GpxpyView(folder.File("out.gpx"));
    EXPECT_NE(view.find("point 1.5 2.5 'P' None Anchor None"), std::string::npos) << view;
    EXPECT_NE(view.find("{http://www.topografix.com/GPX/1/0}url [] 'https://example.org/p'"), std::string::npos) << view;
    EXPECT_NE(view.find("{urn:x}depth [('unit', 'm')] '12'"), std::string::npos) << view;
    std::string errors;
    GpsbabelView(folder.File("out.gpx"), errors);
    EXPECT_EQ(errors, "");
    EXPECT_EQ(wayline::ReadGpx(folder.Contents("out.gpx"), "out.gpx").Routes.at(0).Plan, d.Routes.at(0).Plan);
}

} // namespace
