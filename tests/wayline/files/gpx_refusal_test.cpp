// Files refused, each with its name and the reason, before anything of
// them is taken: markup that could fetch or expand, sizes beyond any
// route, positions off the globe, what is not XML, GPX or a route.
#include "wayline/files/gpx_read.h"

#include <gtest/gtest.h>

#include "gpx_test_support.h"
#include "test_texts.h"

#include <chrono>

namespace {

using gpxtest::Gpx;

std::string Repeat(const std::string& text, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string Point(const std::string& attributes, const std::string& inside = "")
{
    return Gpx("<rte><rtept " + attributes + ">" + inside + "</rtept></rte>\n");
}

TEST(GpxRefusal, EveryBadFileWithItsNameAndReason)
{
    const std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n" +
                               std::string(" <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n") +
                               " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
                               " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
                               " <!ENTITY lol9 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n]>\n"
                               "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><rte><name>&lol9;</name></rte></gpx>\n";
    const std::string nested = Repeat("<x:a xmlns:x=\"urn:x\">", 40) + Repeat("</x:a>", 40);
    const struct {
        const char* name;
        std::string file;
        std::string reason;
    } cases[] = {
        {"a document type declaration", "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx>\n" + Gpx("<rte/>"),
         "line 2: a document type declaration (<!DOCTYPE ...>) is not taken in a GPX file"},
        {"an external entity",
         "<!DOCTYPE gpx [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]>\n" + Gpx("<rte><name>&secret;</name></rte>"),
         "line 1: a document type declaration (<!DOCTYPE ...>) is not taken in a GPX file"},
        {"a billion laughs", laughs, "line 8: a document type declaration (<!DOCTYPE ...>) is not taken in a GPX file"},
        {"an entity never declared", Gpx("<rte><name>&lol;</name></rte>"),
         "line 3, column 16: it is not well-formed XML (Entity 'lol' not declared.)"},
        {"a huge file", Gpx(std::string(wayline::LargestGpxFile, ' ')), "it is larger than 16 MiB, more than any route file"},
        {"latitude beyond the pole", Point("lat=\"90.5\" lon=\"0\""),
         "line 3: the lat '90.5' of a route point is not a latitude (-90 to 90)"},
        {"longitude beyond 180", Point("lat=\"0\" lon=\"-180.000001\""),
         "line 3: the lon '-180.000001' of a route point is not a longitude (-180 to 180)"},
        {"a latitude nan", Point("lat=\"nan\" lon=\"0\""), "line 3: the lat 'nan' of a route point is not a latitude (-90 to 90)"},
        {"a longitude inf", Point("lat=\"0\" lon=\"INF\""),
         "line 3: the lon 'INF' of a route point is not a longitude (-180 to 180)"},
        {"a latitude that is no number", Point("lat=\"50,5\" lon=\"0\""),
         "line 3: the lat '50,5' of a route point is not a latitude (-90 to 90)"},
        {"a longitude as long as the file", Point("lat=\"0\" lon=\"" + std::string(100, '9') + "\""),
         "line 3: the lon '" + std::string(64, '9') + "...' of a route point is not a longitude (-180 to 180)"},
        {"no lat", Point("lon=\"0\""), "line 3: a route point has no lat"},
        {"no lon", Point("lat=\"0\""), "line 3: a route point has no lon"},
        {"malformed XML", Gpx("<rte><rtept lat=\"0\" lon=\"0\"></rte>"),
         "line 3, column 34: it is not well-formed XML (Opening and ending tag mismatch.)"},
        {"text after the end", Gpx("<rte/>") + "<gpx/>", "line 4, column 6: it is not well-formed XML (Extra content at end of document.)"},
        {"no XML at all", "PK\x03\x04", "line 1, column 1: it is not well-formed XML (Start tag expected.)"},
        {"an empty file", "", "line 1, column 0: it is not well-formed XML (Premature end of document.)"},
        {"not GPX", "<kml xmlns=\"http://www.opengis.net/kml/2.2\"/>", "it is not a GPX file (its root element is <kml>)"},
        {"GPX of another namespace", "<gpx xmlns=\"urn:not-gpx\"/>", "it is not a GPX file (its <gpx> is of the namespace 'urn:not-gpx')"},
        {"no route but waypoints and a track",
         Gpx("<wpt lat=\"1\" lon=\"2\"/><wpt lat=\"1\" lon=\"3\"/><trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>"),
         "it holds no route, only 1 track and 2 waypoints"},
        {"no route at all", Gpx(""), "it holds no route"},
        {"a time that is none", Point("lat=\"0\" lon=\"0\"", "<time>yesterday</time>"),
         "line 3: the time 'yesterday' is not a date and time"},
        {"a planned speed that is none", Gpx("<rte><extensions><opencpn:planned_speed>fast</opencpn:planned_speed></extensions></rte>"),
         "line 3: the planned speed 'fast' is not a speed in knots"},
        {"a negative leg speed",
         Point("lat=\"0\" lon=\"0\"", "<extensions><opencpn:rte_properties planned_speed=\"-6\"/></extensions>"),
         "line 3: the planned speed '-6' is not a speed in knots"},
        {"a planned departure said twice",
         Gpx("<rte><extensions><opencpn:planned_departure>2027-06-09T06:30:00Z</opencpn:planned_departure>\n"
             "<opencpn:planned_departure>2027-06-10T06:30:00Z</opencpn:planned_departure></extensions></rte>"),
         "line 4: the route holds opencpn:planned_departure twice"},
        {"a leg kind this program does not know",
         Gpx("<rte><rtept lat=\"0\" lon=\"0\"/><rtept lat=\"1\" lon=\"1\"><extensions>"
             "<w:leg xmlns:w=\"urn:x-vorlan:wayline\" kind=\"loxodrome\"/></extensions></rtept></rte>"),
         "line 3: the leg kind 'loxodrome' is none of rhumb, great_circle and parallel"},
        {"a leg that says no kind",
         Point("lat=\"0\" lon=\"0\"", "<extensions><w:leg xmlns:w=\"urn:x-vorlan:wayline\"/></extensions>"),
         "line 3: a wayline:leg says no kind"},
        {"a leg kind said twice",
         Point("lat=\"0\" lon=\"0\"", "<extensions><w:leg xmlns:w=\"urn:x-vorlan:wayline\" kind=\"rhumb\"/>"
                                  "<w:leg xmlns:w=\"urn:x-vorlan:wayline\" kind=\"rhumb\"/></extensions>"),
         "line 3: the route point holds wayline:leg twice"},
        {"a parallel between two latitudes",
         Gpx("<rte><rtept lat=\"40\" lon=\"0\"/><rtept lat=\"41\" lon=\"5\"><extensions>"
             "<w:leg xmlns:w=\"urn:x-vorlan:wayline\" kind=\"parallel\"/></extensions></rtept></rte>\n"),
         "line 3: leg 1 (WP1 to WP2): a leg along a parallel joins two points on it"},
        {"too many points", Gpx("<rte>" + Repeat("<rtept lat=\"1\" lon=\"1\"/>", wayline::LargestRoutePoints + 1) + "</rte>"),
         "line 3: a route holds more than 10000 points"},
        {"too many routes", Gpx(Repeat("<rte/>", wayline::LargestRoutes + 1)), "line 3: the file holds more than 1000 routes"},
        {"a name too long", Gpx("<rte><name>" + std::string(257, 'x') + "</name></rte>"),
         "line 3: a <name> is longer than 256 characters"},
        {"markup in a name", Gpx("<rte><name>Fal<b>mouth</b></name></rte>"),
         "line 3, column 17: it is not well-formed XML (Expected character data.)"},
        {"extensions nested too deep", Gpx("<rte><extensions>" + nested + "</extensions></rte>"),
         "line 3: its extensions are nested deeper than 32 elements"},
        {"too much kept", Gpx("<rte><extensions>" + Repeat("<x:a xmlns:x=\"urn:x\"/>", wayline::LargestKeptNodes + 1) + "</extensions></rte>"),
         "line 3: it holds more than 100000 elements and texts that this program keeps unread"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(testtexts::WhatOf([&] { gpxtest::Read(c.file, "bad.gpx"); }),
                  "The route could not be opened from bad.gpx: " + c.reason)
            << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.name;
    }
    // The largest file taken is the bound itself.
    const std::string route = Gpx("<rte><rtept lat=\"1\" lon=\"2\"/></rte>");
    EXPECT_EQ(gpxtest::Read(route + std::string(wayline::LargestGpxFile - route.size(), ' ')).Routes.size(), 1u);
}

} // namespace
