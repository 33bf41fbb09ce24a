// Distance and course against programs written by others: GeographicLib's
// GeodSolve and RhumbSolve, and PROJ's geod; and the rhumb line sailed back
// by the dead-reckoning computation.
#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"
#include "geo/ellipsoids.h"
#include "legplot/core/sailing.h"
#include "rangebear/core/command_line.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <cmath>
#include <sstream>
#include <string>

namespace {

constexpr int Airy = 0, Clarke1866 = 4, Intern = 15, WGS84 = 22, Sphere = 23;

using testsupport::ProgramOutput;

double AngleApart(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

struct Case {
    const char* name;
    int ellipsoid;
    double lat1, lon1, lat2, lon2;
};

const Case Cases[] = {
    {"Plymouth to New York", WGS84, 50.3654, -4.1427, 40.6892, -74.0445},
    {"across 180", WGS84, -17.5, 178.4, -14.2, -171.7},
    {"along a parallel", Intern, 45, -10, 45, 20},
    {"along a meridian, south", Airy, 60, 5, -30, 5},
    {"to the north pole", Clarke1866, 70, 30, 90, 0},
    {"from the south pole", WGS84, -90, 0, -60, 120},
    {"short hop", WGS84, 53.5, 8.1, 53.5001, 8.1002},
    {"Cape Horn to Cape of Good Hope", Intern, -55.98, -67.27, -34.36, 18.47},
    {"on the sphere", Sphere, 10, 10, -20, 100},
    {"nearly opposite", WGS84, 10, 20, -10.5, -159.7},
    {"Clarke across the equator", Clarke1866, 5, -30, -5, -25},
    {"Airy in the Channel", Airy, 50.8, -1.1, 49.6, -1.6},
    {"opposite points", WGS84, 10, 20, -10, -160},
};

TEST(RangeBearing, AgreesWithGeodSolveRhumbSolveAndGeod)
{
    for (const Case& c : Cases) {
        const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(c.ellipsoid);
        const double f = e.f;
        const rangebear::RangeBearing r = rangebear::Solve(e, c.lat1, c.lon1, c.lat2, c.lon2);
        std::ostringstream points, axes;
        points.precision(17);
        axes.precision(17);
        points << c.lat1 << ' ' << c.lon1 << ' ' << c.lat2 << ' ' << c.lon2;
        axes << e.a << ' ' << f;

        std::istringstream geodesic(ProgramOutput("echo '" + points.str() + "' | GeodSolve -i -p 9 -e " + axes.str()));
        double azi1 = 0, azi2 = 0, s12 = 0;
        geodesic >> azi1 >> azi2 >> s12;
        EXPECT_NEAR(r.GeodesicDistance, s12, 0.001) << c.name;
        if (!r.NotUnique) {
            EXPECT_LT(AngleApart(r.InitialCourse, azi1), 1e-5) << c.name;
            EXPECT_LT(AngleApart(r.FinalCourse, azi2), 1e-5) << c.name;
        }

        std::istringstream rhumb(ProgramOutput("echo '" + points.str() + "' | RhumbSolve -i -p 9 -e " + axes.str()));
        double azi = 0, distance = 0;
        rhumb >> azi >> distance;
        EXPECT_NEAR(r.RhumbDistance, distance, 0.001) << c.name;
        EXPECT_LT(AngleApart(r.RhumbCourse, azi), 1e-5) << c.name;

        // PROJ's geod: its own code.
        std::ostringstream ellps;
        ellps.precision(17);
        ellps << "+a=" << e.a << (f > 0 ? " +rf=" : " +b=") << (f > 0 ? 1 / f : e.a);
        std::istringstream proj(ProgramOutput("echo '" + points.str() + "' | geod -I -f %.12f " + ellps.str()));
        double az12 = 0, az21 = 0, dist = 0;
        proj >> az12 >> az21 >> dist;
        EXPECT_NEAR(r.GeodesicDistance, dist, 0.001) << c.name;
        if (!r.NotUnique && r.GeodesicDistance > 0) {
            EXPECT_LT(AngleApart(r.InitialCourse, az12), 1e-5) << c.name;
        }
    }
}

TEST(RangeBearing, EdgeCasesSaySoInTheTexts)
{
    const struct {
        const char* from;
        const char* to;
        const char* line; // a line the plain output must hold
    } cases[] = {
        {"50 -4", "50 -4", "Initial course: not defined (the same position)"},
        {"10 20", "-10 -160", "Initial course: 000\xC2\xB0" "00'00\"000 (not unique: opposite points)"},
        {"45 -10", "45 20", "Rhumb line course: 090\xC2\xB0" "00'00\"000"},
        {"60 5", "-30 5", "Rhumb line course: 180\xC2\xB0" "00'00\"000"},
        {"50\xC2\xB0" "30'00 N 004\xC2\xB0" "15'00 W", "50.5 -4.25", "Geodesic distance in metres: 0.000 m"},
        // A course a hair past 180 is not bent back to 180 itself.
        {"10 0", "-10 -0.0000018", "Rhumb line course: 180\xC2\xB0" "00'00\"018"},
        {"10 0", "-10 0.0000018", "Rhumb line course: 179\xC2\xB0" "59'59\"981"},
        // One pole twice is one position, whatever the longitudes.
        {"90 0", "90 120", "Rhumb line distance in metres: 0.000 m\n"},
        {"-90 10", "-90 -10", "Final course: not defined (the same position)"},
        // Along the equator the shortest way is the equator up to (1 - f)
        // half turns apart; beyond, it passes north or south alike.
        {"0 0", "0 179.3", "Initial course: 090\xC2\xB0" "00'00\"000\n"},
        {"0 0", "0 179.5", "(not unique: opposite points)"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(rangebear::RunCommandLine({"--format", "DMS.sss", c.from, c.to}, out, err), 0) << err;
        EXPECT_NE(out.find(c.line), std::string::npos) << out;
    }
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } refused[] = {
        {{"50 -4"}, "rangebear: two positions, please: FROM and TO\nusage: rangebear [--ellipsoid NAME] [--json] [--format DM.dd|DMS|DMS.sss] FROM TO\n"},
        {{"--ellipsoid", "WGS 85", "50 -4", "51 -4"}, "unknown ellipsoid 'WGS 85': the ellipsoids are Airy, Airy Modified, Australian Nat., Bessel 1841,"},
        {{"--ellipsoid"}, "rangebear: the option --ellipsoid needs a value (NAME)\n"},
        {{"abc", "1 2"}, "rangebear: 'abc' is not a position: write \"50.5125 -4.25\" or \"50\xC2\xB0" "30'75 N 004\xC2\xB0" "15'00 W\"\n"},
        {{"50\xC2\xB0" "30'45 N 1", "1 2"}, "'50\xC2\xB0" "30'45 N 1' is not a position"},
        {{"--json", "--json", "50 -4", "51 -4"}, "the option --json is given twice"},
        {{"95 -4", "51 -4"}, "is off the globe"},
        {{"50\xC2\xB0" "75'00 N 004\xC2\xB0" "15'00 W", "51 -4"}, "Wrong Minutes !"},
        {{"north", "51 -4"}, "'north' is not a position"},
        {{"--metric", "50 -4", "51 -4"}, "unknown option '--metric'"},
        {{"--format", "DD", "50 -4", "51 -4"}, "unknown format 'DD'"},
        {{"50 -4", "51 -4", "52 -4"}, "usage: rangebear"},
    };
    for (const auto& c : refused) {
        std::string out, err;
        EXPECT_EQ(rangebear::RunCommandLine(c.arguments, out, err), 2);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
    // Scripts read the figures at full precision; a course that has no
    // meaning is null.
    std::string out, err;
    ASSERT_EQ(rangebear::RunCommandLine({"--json", "--ellipsoid", "Airy", "--format", "DMS", "50 -4", "50 -4"}, out, err), 0);
    EXPECT_EQ(out, "{\"rhumb_course_deg\": null, \"rhumb_distance_m\": 0, \"geodesic_distance_m\": 0, "
                   "\"initial_course_deg\": null, \"final_course_deg\": null, \"geodesic_unique\": true}\n");
    // No minus zero: due north along a meridian, and at a pole.
    for (const auto& [from, to] : {std::pair{"-10 0", "10 -0.0"}, std::pair{"90 0", "90 -1"}}) {
        ASSERT_EQ(rangebear::RunCommandLine({"--json", from, to}, out, err), 0);
        EXPECT_EQ(out.find("-0,"), std::string::npos) << out;
        EXPECT_EQ(out.find("e-"), std::string::npos) << out;
    }
}

TEST(RangeBearing, RhumbLineSailedByTheDeadReckoningArrives)
{
    // The course and distance, sailed by the dead-reckoning computation at
    // 10 knots for as long as the distance takes, end at the far position:
    // within 1 mm on passages of some hundred miles; across an ocean its
    // meridian arc (a series cut after e2^3) leaves 1 to 2 mm.
    const struct {
        Case c;
        double metres;
    } passages[] = {{Cases[0], 0.002}, {Cases[7], 0.002}, {Cases[10], 0.001}, {Cases[11], 0.001}};
    constexpr double Pi = 3.14159265358979323846;
    for (const auto& [c, metres] : passages) {
        const geo::Ellipsoid e = geo::EllipsoidAt(c.ellipsoid);
        const rangebear::RangeBearing r = rangebear::Solve(geo::DefinedEllipsoid(c.ellipsoid), c.lat1, c.lon1, c.lat2, c.lon2);
        const double hours = r.RhumbDistance / geo::MetresPerNauticalMile / 10;
        const legplot::LegChange end = legplot::SailLeg(e, c.lat1 * Pi / 180, r.RhumbCourse, 10, hours);
        const double north = (end.Phi2 * 180 / Pi - c.lat2) * 111e3;
        const double east = std::remainder(c.lon1 + end.DeltaLambda * 180 / Pi - c.lon2, 360.0) * 111e3 *
                            std::cos(c.lat2 * Pi / 180);
        EXPECT_LT(std::hypot(north, east), metres) << c.name << ": " << std::hypot(north, east) << " m";
    }
}

// Sailed back on every row of the catalogue, across the Atlantic: the
// dead-reckoning computation keeps the stored columns, the distance and
// course come from the defined axes, and only PZ-90, whose stored b and e2
// are another ellipsoid's, lands measurably off.
TEST(RangeBearing, EveryCatalogueRowSailsTheDefinedAnswerBack)
{
    const Case& atlantic = Cases[0];
    for (int k = 0; k < 25; ++k) {
        const rangebear::RangeBearing r = rangebear::Solve(geo::DefinedEllipsoid(k), atlantic.lat1, atlantic.lon1,
                                                           atlantic.lat2, atlantic.lon2);
        const double hours = r.RhumbDistance / geo::MetresPerNauticalMile / 10;
        const legplot::LegChange end =
            legplot::SailLeg(geo::EllipsoidAt(k), atlantic.lat1 * geo::Pi / 180, r.RhumbCourse, 10, hours);
        const double north = (end.Phi2 * 180 / geo::Pi - atlantic.lat2) * 111.2e3;
        const double east = std::remainder(atlantic.lon1 + end.DeltaLambda * 180 / geo::Pi - atlantic.lon2, 360.0) *
                            111.2e3 * std::cos(atlantic.lat2 * geo::Pi / 180);
        const double miss = std::hypot(north, east);
        if (k == 17) { // PZ-90
            EXPECT_GT(miss, 0.25);
            EXPECT_LT(miss, 0.32);
        } else {
            EXPECT_LT(miss, 0.002) << geo::EllipsoidNames[static_cast<std::size_t>(k)] << ": " << miss << " m";
        }
    }
}

} // namespace
