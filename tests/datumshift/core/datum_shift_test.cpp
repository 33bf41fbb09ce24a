// Datum shifts against programs written by others: PROJ's cs2cs and
// projinfo, and pyproj (python3-pyproj), on Debian's grids. Each is given
// the same area of interest around the position: without one, cs2cs and
// pyproj pick an onshore operation for a position at sea whenever PROJ
// lists it before the offshore one (ED50 to WGS 84 (2), for Austria to
// Switzerland, at the Forties field; 0.5 to 4 m from the offshore one).
#include "datumshift/core/datum_shift.h"
#include "datumshift/core/errors.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include "program_output.h"

#include <cmath>
#include <cstdlib>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using datumshift::DatumError;
using datumshift::DatumShift;
using datumshift::DatumShifter;
using datumshift::FallbackRule;
using testsupport::ProgramOutput;

constexpr double Millimetre = 0.001;
constexpr double HalfBox = 1e-7; // degrees: the area of interest around a position

struct Case {
    const char* place;
    int from, to;
    double lat, lon, height;
    bool fallback; // the best transformation needs a grid Debian's proj-data lacks
    double meridian = 0; // the source CRS's prime meridian, degrees east of Greenwich
};

const Case Cases[] = {
    {"Forties field, North Sea", 4230, 4326, 57.73, 0.97, 0, false},
    {"Strait of Gibraltar", 4230, 4326, 36.0, -5.5, 0, true},
    {"Gulf of Lion", 4230, 4326, 43.0, 4.0, 0, true},
    {"Aegean Sea", 4230, 4326, 38.5, 25.0, 0, false},
    {"Norwegian Sea", 4230, 4326, 64.0, 6.0, 0, false},
    {"Plymouth Sound", 4277, 4326, 50.3654, -4.1427, 0, true},
    {"Dover Strait", 4277, 4326, 51.05, 1.45, 0, true},
    {"The Minch", 4277, 4326, 58.0, -6.0, 0, true},
    {"New York harbour", 4267, 4326, 40.6892, -74.0445, 0, true},
    {"Gulf of Mexico", 4267, 4326, 28.0, -90.0, 0, false},
    {"Golden Gate", 4267, 4326, 37.81, -122.48, 0, true},
    {"Gulf of Alaska", 4267, 4326, 58.0, -145.0, 0, true},
    {"Boston harbour", 4269, 4326, 42.35, -70.95, 0, true},
    {"Tokyo Bay", 4301, 4326, 35.45, 139.75, 0, false},
    {"Korea Strait", 4301, 4326, 34.3, 129.3, 0, false},
    {"Gulf of Finland", 4284, 4326, 59.9, 29.0, 0, false},
    {"Black Sea off Sevastopol", 4284, 4326, 44.5, 33.5, 0, false},
    {"Kiel Bay", 4258, 4326, 54.5, 10.5, 0, false},
    {"Marseille, from WGS 84", 4326, 4230, 43.3, 5.35, 0, false},
    {"The Solent, from WGS 84", 4326, 4277, 50.77, -1.3, 0, true},
    {"Valencia, ED50 to ETRS89", 4230, 4258, 39.5, -0.3, 0, true},
    {"Chesapeake Bay, NAD27 to NAD83", 4267, 4269, 37.0, -76.1, 0, true},
    {"Fiji, west of 180", 4322, 4326, -17.0, 179.9999, 0, false},
    {"Fiji, east of 180", 4322, 4326, -17.0, -179.9999, 0, false},
    {"Gulf of St. Lawrence, 3D", 4979, 4955, 49.0, -66.0, 30.0, false},
    {"Kiel Bay, 3D to 2D", 4979, 4230, 54.5, 10.5, 0, false},
    {"Brest, NTF (Paris)", 4807, 4326, 48.38, -6.8272, 0, false, 2.33722917},
    {"North Pole", 4326, 4322, 90.0, 0.0, 0, false},
};

std::string Epsg(int code) { return "EPSG:" + std::to_string(code); }

std::string Decimal(double value)
{
    std::ostringstream text;
    text.precision(12);
    text << value;
    return text.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct Point {
    double lat = 0, lon = 0, height = 0;
};

Point ReadPoint(const std::string& text)
{
    Point p;
    std::istringstream(text) >> p.lat >> p.lon >> p.height;
    return p;
}

double MetresApart(const Point& a, double lat, double lon)
{
    double s12 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(a.lat, a.lon, lat, lon, s12);
    return s12;
}

// The area of interest around a case, for PROJ's programs:
// "west,south,east,north", degrees east of Greenwich.
std::string Box(const Case& c)
{
    const double lon = c.lon + c.meridian;
    return Decimal(lon - HalfBox) + "," + Decimal(c.lat - HalfBox) + "," + Decimal(lon + HalfBox) + "," +
           Decimal(std::min(c.lat + HalfBox, 90.0));
}

Point Cs2csPoint(const Case& c)
{
    return ReadPoint(ProgramOutput("echo '" + Decimal(c.lat) + " " + Decimal(c.lon) + " " + Decimal(c.height) +
                                   "' | cs2cs -f %.10f --bbox " + Box(c) + " " + Epsg(c.from) + " " + Epsg(c.to)));
}

// projinfo's first operation for the area around a case: its code (with
// PROJ's INVERSE() and DERIVED_FROM() marks taken off, "" for none) and name.
std::pair<std::string, std::string> ProjinfoFirst(const Case& c, const char* gridCheck)
{
    const auto lines = Lines(ProgramOutput("projinfo -s " + Epsg(c.from) + " -t " + Epsg(c.to) +
                                           " --spatial-test intersects --bbox " + Box(c) + " --grid-check " + gridCheck +
                                           " --summary 2>/dev/null"));
    if (lines.size() < 2)
        return {};
    const std::string& line = lines[1];
    const auto comma = line.find(", ");
    std::string code = line.substr(0, comma);
    for (const char* mark : {"INVERSE(", "DERIVED_FROM(", ")"})
        for (auto at = code.find(mark); at != std::string::npos; at = code.find(mark))
            code.erase(at, std::string_view(mark).size());
    const auto nameEnd = line.find(", ", comma + 2);
    return {code == "unknown id" ? "" : code, line.substr(comma + 2, nameEnd - comma - 2)};
}

TEST(DatumShift, AgreesWithCs2csProjinfoAndPyproj)
{
    std::string input;
    for (const Case& c : Cases)
        input += Epsg(c.from) + " " + Epsg(c.to) + " " + Decimal(c.lat) + " " + Decimal(c.lon) + " " +
                 Decimal(c.height) + " " + Box(c) + "\\n";
    const auto pyproj = Lines(ProgramOutput("printf '%b' '" + input + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR
                                            "/tests/datumshift/pyproj_choices.py"));
    ASSERT_EQ(pyproj.size(), std::size(Cases));

    DatumShifter shifter;
    for (std::size_t i = 0; i < std::size(Cases); ++i) {
        const Case& c = Cases[i];
        const DatumShift s = shifter.Shift(Epsg(c.from), Epsg(c.to), {c.lat, c.lon, c.height});
        const Point cs2cs = Cs2csPoint(c);
        EXPECT_LT(MetresApart(cs2cs, s.Latitude, s.Longitude), Millimetre) << c.place;
        std::istringstream fields(pyproj[i]);
        std::string moved, bestAvailable, better;
        std::getline(fields, moved, '\t');
        std::getline(fields, bestAvailable, '\t');
        std::getline(fields, better);
        EXPECT_LT(MetresApart(ReadPoint(moved), s.Latitude, s.Longitude), Millimetre) << c.place;
        if (s.Height) {
            EXPECT_NEAR(*s.Height, cs2cs.height, Millimetre) << c.place;
            EXPECT_NEAR(*s.Height, ReadPoint(moved).height, Millimetre) << c.place;
        }

        const auto [code, name] = ProjinfoFirst(c, "discard_missing");
        EXPECT_EQ(s.Used.Name, name) << c.place;
        EXPECT_EQ(s.Used.Code.value_or(""), code) << c.place;
        EXPECT_EQ(s.Fallback(), c.fallback) << c.place;
        EXPECT_EQ(bestAvailable, s.Fallback() ? "0" : "1") << c.place;
        if (s.Fallback()) {
            EXPECT_EQ(s.Better->Name, better) << c.place;
            const auto [betterCode, betterName] = ProjinfoFirst(c, "none");
            EXPECT_EQ(s.Better->Name, betterName) << c.place;
            EXPECT_EQ(s.Better->Code.value_or(""), betterCode) << c.place;
            EXPECT_FALSE(s.MissingGrids.empty()) << c.place;
        }
    }
}

// Plymouth Sound on OSGB36: the best transformation needs OSTN15, which
// proj-data does not hold. PROJ_NETWORK=ON would make PROJ count the grid
// as there, on its CDN, and then fail to fetch it.
TEST(DatumShift, MissingGridIsNamedAsFallbackAndRefusedWhenStrict)
{
    const std::string fallback =
        "OSGB36 to WGS 84 (6) (EPSG:1314) is used in place of OSGB36 to WGS 84 (9) (EPSG:7710), which needs the grid "
        "uk_os_OSTN15_NTv2_OSGBtoETRS.tif that this machine does not have";
    const std::string refusal =
        "OSGB36 to WGS 84 (9) (EPSG:7710), the best transformation from OSGB36 to WGS 84 here, needs the grid "
        "uk_os_OSTN15_NTv2_OSGBtoETRS.tif that this machine does not have; OSGB36 to WGS 84 (6) (EPSG:1314) would "
        "be used in its place";
    const char* saved = std::getenv("PROJ_NETWORK");
    const std::string kept = saved ? saved : "";
    for (const char* network : {"OFF", "ON"}) {
        setenv("PROJ_NETWORK", network, 1);
        DatumShifter shifter;
        const DatumShift s = shifter.Shift("OSGB36", "WGS 84", {50.3654, -4.1427, 0});
        ASSERT_TRUE(s.Fallback()) << network;
        EXPECT_EQ(datumshift::FallbackText(s), fallback) << network;
        EXPECT_EQ(s.Used.Code, "EPSG:1314");
        EXPECT_EQ(s.Used.Accuracy, 2.0);
        EXPECT_FALSE(s.Used.Ballpark);
        EXPECT_EQ(s.Used.Method, "Position Vector transformation (geog2D domain)");
        try {
            shifter.Shift("OSGB36", "WGS 84", {50.3654, -4.1427, 0}, FallbackRule::Refuse);
            ADD_FAILURE() << "a fallback taken in strict mode, network " << network;
        } catch (const DatumError& e) {
            EXPECT_EQ(e.what(), refusal) << network;
        }
    }
    if (saved)
        setenv("PROJ_NETWORK", kept.c_str(), 1);
    else
        unsetenv("PROJ_NETWORK");
}

TEST(DatumShift, SameDatumBothWaysDoesNotMove)
{
    const struct {
        const char* crs;
        datumshift::Position p;
    } cases[] = {
        {"WGS 84", {50.3654, -4.1427, 0}},
        {"ED50", {43.0, 4.0, 0}},
        {"EPSG:4807", {48.38, -6.8272, 0}}, // NTF (Paris): grads, from Paris
        {"EPSG:4979", {-33.86, 151.21, 55.5}},
        {"Tokyo", {35.45, 139.75, 0}},
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        const DatumShift s = shifter.Shift(c.crs, c.crs, c.p);
        EXPECT_EQ(s.Latitude, c.p.Latitude) << c.crs;
        EXPECT_EQ(s.Longitude, c.p.Longitude) << c.crs;
        EXPECT_EQ(s.ShiftDistance, 0.0) << c.crs;
        EXPECT_FALSE(s.ShiftDirection) << c.crs;
        EXPECT_EQ(s.Used.Accuracy, 0.0) << c.crs;
        EXPECT_FALSE(s.Fallback() || s.OutsideArea) << c.crs;
        EXPECT_EQ(s.Height.has_value(), s.From.ThreeD) << c.crs;
        if (s.Height) {
            EXPECT_EQ(*s.Height, c.p.Height) << c.crs;
        }
    }
}

// Outside every transformation of a datum's own area PROJ offers only the
// ballpark offset, which moves nothing: said, not hidden.
TEST(DatumShift, PositionOutsideTheAreaIsSaid)
{
    const struct {
        const char *from, *to;
        datumshift::Position p;
        const char* outside; // "" for inside
    } cases[] = {
        {"ED50", "WGS 84", {40.0, -20.0, 0}, "ED50 (EPSG:4230)"},          // mid-Atlantic
        {"ED50", "OSGB36", {47.0, -3.0, 0}, "OSGB36 (EPSG:4277)"},         // Bay of Biscay: the target's area
        {"Tokyo", "NAD83", {35.45, 139.75, 0}, "NAD83 (EPSG:4269)"},       // Tokyo Bay
        {"ED50", "OSGB36", {50.0, -4.5, 0}, ""},                           // the Channel
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        const DatumShift s = shifter.Shift(c.from, c.to, c.p);
        const std::string where = std::string(c.from) + " " + c.to;
        if (*c.outside == 0) {
            EXPECT_FALSE(s.OutsideArea) << where;
            EXPECT_FALSE(s.Used.Ballpark) << where;
            continue;
        }
        EXPECT_EQ(s.OutsideArea.value_or(""), std::string("The position is outside the area of use of ") + c.outside)
            << where;
        EXPECT_TRUE(s.Used.Ballpark) << where;
        EXPECT_EQ(s.Used.Code, std::nullopt) << where;
        EXPECT_EQ(s.Used.Accuracy, std::nullopt) << where;
    }
}

TEST(DatumShift, RefusesPositionsOffTheGlobe)
{
    const double nan = std::nan("");
    const struct {
        datumshift::Position p;
        const char* why;
    } cases[] = {
        {{90.5, 0, 0}, "The latitude 90.5 is beyond 90 degrees"},
        {{-91, 0, 0}, "The latitude -91 is beyond 90 degrees"},
        {{nan, 0, 0}, "The latitude is not a number of degrees"},
        {{0, HUGE_VAL, 0}, "The longitude is not a number of degrees"},
        {{0, 0, nan}, "The height is not a number of metres"},
    };
    DatumShifter shifter;
    for (const auto& c : cases) {
        try {
            shifter.Shift("ED50", "WGS 84", c.p);
            ADD_FAILURE() << c.why;
        } catch (const DatumError& e) {
            EXPECT_STREQ(e.what(), c.why);
        }
    }
}

} // namespace
