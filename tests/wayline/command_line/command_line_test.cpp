// wayline's command line as scripts meet it: every leg of a GPX route
// against GeodSolve and RhumbSolve through --json, the options (--gc,
// --rhumb, --speed, --departure, --step-deg, --step-nm, --composite,
// --route) and the plain output, refusals with their reasons and status 2,
// and which arguments open the window instead.
#include "geo/ellipsoids.h"
#include "wayline/command_line/command_line.h"
#include "wayline/files/gpx_write.h"

#include <gtest/gtest.h>

#include "../files/gpx_test_support.h"
#include "../core/reference_legs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <tuple>

namespace {

using wayline::LegKind;
using wayline::Waypoint;
using wayline_test::AngleApart;

struct Result {
    int status = 0;
    std::string out, err;
};

Result Wayline(std::vector<std::string> words)
{
    Result r;
    r.status = wayline::RunCommandLine(words, r.out, r.err);
    return r;
}

QJsonObject Json(const Result& r)
{
    EXPECT_EQ(r.status, 0) << r.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
}

// A file holding `route` as this program writes one.
std::string Saved(const gpxtest::Folder& folder, const char* name, const wayline::Route& route)
{
    folder.Write(name, wayline::WriteGpx({wayline::GpxRouteOf(route)}));
    return folder.File(name).toStdString();
}

// On the sphere of the suite (an arc-minute is 1852 m): 0°,0° north to
// 10°,0° is 600 nm, then east along the parallel to 10°,10°.
const wayline::Route OnTheSphere = wayline::MakeRoute({{"", 0, 0}, {"", 10, 0}, {"", 10, 10}});
const std::string Sphere(geo::EllipsoidNames[wayline_test::Sphere]);

TEST(CommandLine, EveryLegAgreesWithGeodSolveAndRhumbSolve)
{
    gpxtest::Folder folder;
    for (const wayline_test::RouteCase& r : wayline_test::Routes) {
        std::vector<std::array<double, 4>> legs;
        for (std::size_t i = 0; i + 1 < r.points.size(); ++i)
            legs.push_back({r.points[i].Lat, r.points[i].Lon, r.points[i + 1].Lat, r.points[i + 1].Lon});
        const auto tools = wayline_test::ReferenceLegs(r.ellipsoid, legs);
        const wayline::Route route = wayline::MakeRoute(r.points);
        const std::string file = Saved(folder, "route.gpx", route);
        const std::string ellipsoid(geo::EllipsoidNames.at(static_cast<std::size_t>(r.ellipsoid)));
        const QJsonArray rhumb = Json(Wayline({"--json", "--rhumb", "--ellipsoid", ellipsoid, file}))["legs"].toArray();
        const QJsonArray gc = Json(Wayline({"--json", "--gc", "--ellipsoid", ellipsoid, file}))["legs"].toArray();
        ASSERT_EQ(static_cast<std::size_t>(rhumb.size()), legs.size()) << r.name;
        ASSERT_EQ(static_cast<std::size_t>(gc.size()), legs.size()) << r.name;
        for (std::size_t i = 0; i < legs.size(); ++i) {
            const std::string where = std::string(r.name) + ", leg " + std::to_string(i + 1);
            const QJsonObject line = rhumb[static_cast<qsizetype>(i)].toObject();
            const QJsonObject circle = gc[static_cast<qsizetype>(i)].toObject();
            EXPECT_EQ(line["from"].toString().toStdString(), wayline::WaypointName(route, i)) << where;
            EXPECT_EQ(line["kind"].toString(), QStringLiteral("rhumb")) << where;
            EXPECT_NEAR(line["distance_nm"].toDouble() * 1852, tools[i].Rhumb, 0.001) << where;
            EXPECT_LT(AngleApart(line["course_deg"].toDouble(), tools[i].Course), 1e-5) << where;
            EXPECT_EQ(circle["kind"].toString(), QStringLiteral("great_circle")) << where;
            EXPECT_NEAR(circle["distance_nm"].toDouble() * 1852, tools[i].Geodesic, 0.001) << where;
            EXPECT_LT(AngleApart(circle["initial_course_deg"].toDouble(), tools[i].Azi1), 1e-5) << where;
            EXPECT_LT(AngleApart(circle["final_course_deg"].toDouble(), tools[i].Azi2), 1e-5) << where;
            EXPECT_FALSE(circle.contains("course_deg")) << where;
            EXPECT_TRUE(line["eta"].isNull()) << where; // no departure, no speed
        }
    }
}

TEST(CommandLine, SpeedsDeparturesAndKindsAsTheOptionsSetThem)
{
    gpxtest::Folder folder;
    const std::string sphere = Saved(folder, "sphere.gpx", OnTheSphere);
    wayline::GpxRoute planned = wayline::GpxRouteOf(OnTheSphere);
    planned.Plan.Speed = 5;
    planned.Plan.Departure = 1812522600; // 2027-06-09T06:30:00Z, planned in the file
    planned.Plan.Legs[1] = {LegKind::GreatCircle, 12};
    folder.Write("planned.gpx", wayline::WriteGpx({planned}));
    const std::string file = folder.File("planned.gpx").toStdString();

    struct Case {
        std::vector<std::string> words;
        const char* kinds;     // of the legs, joined
        const char* etas;      // of the legs, joined
        double firstSpeed = 0; // knots; -1 for none
    };
    // The ETAs as Python's datetime adds the hours of 600 nm and of
    // 600 cos 10° nm (the parallel) or 590.862 nm (the great circle).
    const Case cases[] = {
        {{"--speed", "10", "--departure", "2027-06-15T06:30Z", sphere}, "rhumb rhumb",
         "2027-06-17T18:30:00Z 2027-06-20T05:35:18Z", 10},
        {{"--speed=10", "--departure=2027-06-15T08:30+02:00", sphere}, "rhumb rhumb",
         "2027-06-17T18:30:00Z 2027-06-20T05:35:18Z", 10},
        {{"--departure", "2027-06-15T06:30:00Z", sphere}, "rhumb rhumb", "null null", -1},
        {{sphere}, "rhumb rhumb", "null null", -1},
        // The file's own speeds (5 kn, 12 on leg 2); its planned departure
        // is the window's: ETAs come from --departure alone.
        {{file}, "rhumb great_circle", "null null", 5},
        {{"--departure", "2027-06-09T06:30Z", file}, "rhumb great_circle", "2027-06-14T06:30:00Z 2027-06-16T07:44:19Z", 5},
        {{"--rhumb", "--departure", "2027-06-09T06:30Z", file}, "rhumb rhumb", "2027-06-14T06:30:00Z 2027-06-16T07:44:25Z", 5},
        {{"--gc", "--speed", "6", "--departure", "2027-06-09T06:30Z", file}, "great_circle great_circle",
         "2027-06-13T10:30:00Z 2027-06-17T12:58:37Z", 6},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = {"--json", "--ellipsoid", Sphere};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const QJsonObject o = Json(Wayline(words));
        QStringList kinds, etas;
        for (const QJsonValue leg : o["legs"].toArray()) {
            kinds << leg["kind"].toString();
            etas << (leg["eta"].isNull() ? QStringLiteral("null") : leg["eta"].toString());
        }
        const std::string where = c.words.front();
        EXPECT_EQ(kinds.join(' ').toStdString(), c.kinds) << where;
        EXPECT_EQ(etas.join(' ').toStdString(), c.etas) << where;
        const QJsonValue speed = o["legs"][0]["speed_kn"];
        EXPECT_EQ(speed.isNull() ? -1 : speed.toDouble(), c.firstSpeed) << where;
        EXPECT_NEAR(o["legs"][0]["distance_nm"].toDouble(), 600, 1e-9) << where;
        EXPECT_EQ(o["arrival"], o["legs"][1]["eta"]) << where;
    }
}

TEST(CommandLine, GreatCirclesSplitAtMeridiansOrMilesAndTheCompositeTrack)
{
    gpxtest::Folder folder;
    const std::string diagonal = Saved(folder, "gc.gpx", wayline::MakeRoute({{"", 0, 0}, {"", 10, 10}}, LegKind::GreatCircle));
    const std::string meridian = Saved(folder, "meridian.gpx", wayline::MakeRoute({{"", 0, 0}, {"", 10, 0}}, LegKind::GreatCircle));

    // At every meridian of 2 degrees, ends included.
    const QJsonObject byDegrees = Json(Wayline({"--json", "--ellipsoid", Sphere, "--step-deg", "2", diagonal}))["legs"][0].toObject();
    QStringList lons;
    for (const QJsonValue p : byDegrees["waypoints"].toArray())
        lons << QString::number(p["lon_deg"].toDouble(), 'f', 9);
    EXPECT_EQ(lons.join(' '), QStringLiteral("0.000000000 2.000000000 4.000000000 6.000000000 8.000000000 10.000000000"));
    EXPECT_EQ(byDegrees["rhumb_legs"].toArray().size(), 5);
    EXPECT_GE(byDegrees["rhumb_nm"].toDouble(), byDegrees["distance_nm"].toDouble());
    EXPECT_FALSE(byDegrees["vertex"]["on_leg"].toBool());

    // Every 100 nm along the meridian: every 1°40'.
    const QJsonObject byMiles = Json(Wayline({"--json", "--ellipsoid", Sphere, "--step-nm", "100", meridian}))["legs"][0].toObject();
    const QJsonArray points = byMiles["waypoints"].toArray();
    ASSERT_EQ(points.size(), 7);
    for (qsizetype k = 0; k < points.size(); ++k)
        EXPECT_NEAR(points[k]["lat_deg"].toDouble(), static_cast<double>(k) * 5 / 3, 1e-9) << k;
    EXPECT_FALSE(Json(Wayline({"--json", meridian}))["legs"][0].toObject().contains("waypoints"));

    // The composite under 42 N: to the limit, along it, down again; never
    // beyond it and shorter than the rhumb line RhumbSolve gives.
    const QJsonObject composite = Json(Wayline({"--json", "--speed", "10", "--composite", "42", "40 -10", "40 -70"}));
    QStringList kinds, names;
    for (const QJsonValue leg : composite["legs"].toArray()) {
        kinds << leg["kind"].toString();
        names << leg["to"].toString();
    }
    EXPECT_EQ(kinds.join(' '), QStringLiteral("great_circle parallel great_circle"));
    EXPECT_EQ(names.join(','), QStringLiteral("Vertex 1,Vertex 2,WP4"));
    EXPECT_DOUBLE_EQ(composite["legs"][1]["course_deg"].toDouble(), 270);
    const double rhumb = wayline_test::ReferenceLegs(geo::Wgs84Index, {{40, -10, 40, -70}}).at(0).Rhumb;
    EXPECT_LT(composite["total_nm"].toDouble() * 1852, rhumb);
    const QJsonObject highest =
        Json(Wayline({"--json", "--step-nm", "20", "--composite", "42", "40 -10", "40 -70"}))["legs"][0].toObject();
    for (const QJsonValue p : highest["waypoints"].toArray())
        EXPECT_LE(p["lat_deg"].toDouble(), 42 + 1e-9);

    // Both great circles of a composite name their vertex, which lies at
    // the end of the first and the start of the last: north and south.
    for (const auto& [limit, from, to] : {std::tuple{"42", "40 -10", "40 -70"}, std::tuple{"40", "-33.9 18.4", "-32 115.7"}}) {
        const Result plain = Wayline({"--composite", limit, from, to});
        EXPECT_NE(plain.out.find("Leg 1 vertex: "), std::string::npos) << from << '\n' << plain.out;
        EXPECT_NE(plain.out.find("Leg 3 vertex: "), std::string::npos) << from << '\n' << plain.out;
    }
}

TEST(CommandLine, PlainLinesAsTheWindowShowsThem)
{
    gpxtest::Folder folder;
    wayline::Route route = OnTheSphere;
    route.Points[0].Name = "\xD0\x9C\xD1\x83\xD1\x80\xD0\xBC\xD0\xB0\xD0\xBD\xD1\x81\xD0\xBA"; // Мурманск, its "а" byte 0xB0
    route.Name = "North then east";
    const std::string file = Saved(folder, "plain.gpx", route);
    const Result r = Wayline({"--ellipsoid", Sphere, "--speed", "10", "--departure", "2027-06-15T06:30Z", "--format", "DMS", file});
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Route: North then east\n"
                     "Ellipsoid: Stand.Sphere\n"
                     "Departure: 2027-06-15 06:30Z\n"
                     "Leg 1: \xD0\x9C\xD1\x83\xD1\x80\xD0\xBC\xD0\xB0\xD0\xBD\xD1\x81\xD0\xBA to WP2\n"
                     "Leg 1 kind: rhumb line\n"
                     "Leg 1 course: 000\xC2\xB0" "00'00\"\n"
                     "Leg 1 distance: 600.00 nm\n"
                     "Leg 1 speed: 10.00 kn\n"
                     "Leg 1 time: 60:00\n"
                     "Leg 1 ETA: 2027-06-17 18:30Z\n"
                     "Leg 2: WP2 to WP3\n"
                     "Leg 2 kind: rhumb line\n"
                     "Leg 2 course: 090\xC2\xB0" "00'00\"\n"
                     "Leg 2 distance: 590.88 nm\n"
                     "Leg 2 speed: 10.00 kn\n"
                     "Leg 2 time: 59:05\n"
                     "Leg 2 ETA: 2027-06-20 05:35Z\n"
                     "Total distance: 1190.88 nm\n"
                     "Total time: 119:05\n"
                     "Arrival: 2027-06-20 05:35Z\n");
}

TEST(CommandLine, RefusesWithTheReasonAndStatusTwo)
{
    gpxtest::Folder folder;
    const std::string file = Saved(folder, "ok.gpx", OnTheSphere);
    folder.Write("bad.gpx", "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><wpt lat=\"1\" lon=\"2\"/></gpx>");
    const std::string bad = folder.File("bad.gpx").toStdString();
    const struct {
        std::vector<std::string> words;
        std::string message;
    } cases[] = {
        {{}, "a GPX file, please (or --composite LAT FROM TO)"},
        {{file, file}, "one GPX file, please"},
        {{"--gc", "--rhumb", file}, "--gc and --rhumb exclude each other"},
        {{"--step-deg", "2", "--step-nm", "5", file}, "--step-deg and --step-nm exclude each other: give one step"},
        {{"--speed", "fast", file}, "--speed 'fast' is not a speed in knots"},
        {{"--speed", "-3", file}, "--speed '-3' is not a speed in knots"},
        {{"--speed", "nan", file}, "--speed 'nan' is not a speed in knots"},
        {{"--step-deg", "0", "--gc", file}, "the step 0 is not a step of longitude (above 0, up to 180 degrees)"},
        {{"--step-nm", "0.001", "--gc", file}, "a step of 0.001 nautical miles would give more than 10000 points"},
        {{"--departure", "2027-06-15T06:30", file}, "--departure: "},
        {{"--departure", "tomorrow", file}, "--departure: "},
        {{"--route", "2", file}, "it holds 1 route, not a route 2"},
        {{"--route", "0", file}, "--route '0' is not a route's number (1, 2, ...)"},
        {{bad}, "The route could not be opened from " + bad + ": it holds no route, only 1 waypoint"},
        {{folder.File("none.gpx").toStdString()}, ": No such file or directory"},
        {{"/dev/null"}, "The route could not be opened from /dev/null: it is not a regular file"},
        {{"--ellipsoid", "Mars", file}, "unknown ellipsoid 'Mars'"},
        {{"--composite", "42", "40 -10"}, "--composite takes two positions, FROM and TO"},
        {{"--composite", "42", "--gc", "40 -10", "40 -70"}, "--composite takes two positions and no --gc, --rhumb or --route"},
        {{"--composite", "35", "40 -10", "40 -70"}, "the departure lies beyond the limiting latitude 35\xC2\xB0"},
        {{"--composite", "95", "40 -10", "40 -70"}, "the limiting latitude 95 is not a latitude above 0 and below 90 degrees"},
        {{"--composite", "north", "40 -10", "40 -70"}, "--composite 'north' is not a latitude in degrees"},
        {{"--composite", "42", "40 -10", "95 -70"}, "latitude"},
    };
    for (const auto& c : cases) {
        const Result r = Wayline(c.words);
        const std::string where = c.words.empty() ? "(nothing)" : c.words.front();
        EXPECT_EQ(r.status, 2) << where;
        EXPECT_EQ(r.out, "") << where;
        EXPECT_TRUE(r.err.starts_with("wayline: ")) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("\nusage: wayline [--json]"), std::string::npos) << r.err;
    }
}

TEST(CommandLine, NothingOrOneGpxFileOpensTheWindow)
{
    const struct {
        std::vector<std::string> words;
        bool window;
    } cases[] = {
        {{}, true},           {{"route.gpx"}, true},        {{"ROUTE.GPX"}, true},
        {{"--", "route.gpx"}, false}, {{"--json", "route.gpx"}, false}, {{"route.txt"}, false},
        {{".gpx"}, false},    {{"a.gpx", "b.gpx"}, false},  {{"--composite"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wayline::OpensWindow(c.words), c.window) << (c.words.empty() ? "(nothing)" : c.words.back());
}

} // namespace
