// UTM and UPS against programs written by others: GeographicLib's
// GeoConvert and TransverseMercatorProj, and PROJ's cs2cs; the round trip;
// and what the command lines refuse.
#include "geo/ellipsoid_definitions.h"
#include "grid/core/command_lines.h"
#include "grid/core/utm.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int Airy = 0, Clarke1866 = 4, Intern = 15, WGS84 = 22;

using testsupport::ProgramOutput;

// Plain decimals, which every reference program reads (no exponents).
std::string Text(double v)
{
    std::ostringstream s;
    s.precision(17);
    if (v != 0 && std::fabs(v) < 1e-4)
        s << std::fixed;
    s << v;
    return s.str();
}

TEST(Utm, AgreesWithGeoConvertTransverseMercatorProjAndCs2cs)
{
    const struct {
        const char* name;
        int ellipsoid;
        double lat, lon;
        int zone;     // requested; -1 the standard one
        int expected; // zone
        char band;
    } cases[] = {
        {"Plymouth", WGS84, 50.37, -4.14, -1, 30, 'U'},
        {"Greenwich in its western neighbour", WGS84, 51.48, 0.5, 30, 30, 'U'},
        {"Bergen, Norway's wide zone", WGS84, 60.39, 5.32, -1, 32, 'V'},
        {"Svalbard", WGS84, 78.22, 15.65, -1, 33, 'X'},
        {"Cape Town", WGS84, -33.92, 18.42, -1, 34, 'H'},
        {"on the equator", WGS84, 0, 9, -1, 32, 'N'},
        {"just south of 84", WGS84, 83.9, -40, -1, 24, 'X'},
        {"beside 180", WGS84, -17.5, 179.9, -1, 60, 'K'},
        {"UPS north", WGS84, 85, 10, -1, 0, 'Z'},
        {"UPS south", WGS84, -85, -60, -1, 0, 'A'},
        {"Airy, London", Airy, 51.5, -0.12, -1, 30, 'U'},
        {"International, Lisbon", Intern, 38.7, -9.14, -1, 29, 'S'},
        {"Clarke 1866, Houston", Clarke1866, 29.76, -95.37, -1, 15, 'R'},
        {"Clarke 1866 south", Clarke1866, -12.05, -77.04, -1, 18, 'L'},
        // The edges of the zones and bands.
        {"exactly 84 N", WGS84, 84, 10, -1, 0, 'Z'},
        {"a hair south of 84 N", WGS84, 83.9999999, 10, -1, 33, 'X'},
        {"exactly 80 S", WGS84, -80, 30, -1, 36, 'C'},
        {"a hair south of 80 S", WGS84, -80.0000001, 30, -1, 0, 'B'},
        {"180 lies in zone 1", WGS84, 10, 180, -1, 1, 'P'},
        {"and so does -180", WGS84, 10, -180, -1, 1, 'P'},
        {"180 in zone 60 on request", WGS84, 10, 180, 60, 60, 'P'},
        {"UPS at 180", WGS84, 85, 180, -1, 0, 'Z'},
        {"UPS at -180", WGS84, 85, -180, -1, 0, 'Z'},
        {"UPS south at 180", WGS84, -85, 180, -1, 0, 'B'},
        {"the north pole", WGS84, 90, -40, -1, 0, 'Z'},
        {"the south pole", WGS84, -90, -40, -1, 0, 'B'},
        {"just south of the equator", WGS84, -0.000000000001, 9, -1, 32, 'M'},
        {"the equator at a zone edge", WGS84, 0, 6, -1, 32, 'N'},
        {"band edge 8 N", WGS84, 8, 9, -1, 32, 'P'},
        {"Norway from 56 N", WGS84, 56, 3.5, -1, 32, 'V'},
        {"Norway not below 56 N", WGS84, 55.9999999, 3.5, -1, 31, 'U'},
        {"Norway up to 64 N", WGS84, 63.9999999, 3.5, -1, 32, 'V'},
        {"not Norway from 64 N", WGS84, 64, 3.5, -1, 31, 'W'},
        {"Svalbard from 72 N", WGS84, 72, 9.5, -1, 33, 'X'},
        {"Svalbard 31 to 9 E", WGS84, 72, 8.9999999, -1, 31, 'X'},
        {"Svalbard 37 from 33 E", WGS84, 80, 33, -1, 37, 'X'},
        {"zone 1 beside zone 60", WGS84, 10, 179.5, 1, 1, 'P'},
        {"zone 60 beside zone 1", WGS84, -10, -179.5, 60, 60, 'L'},
    };
    for (const auto& c : cases) {
        const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(c.ellipsoid);
        const double f = e.f;
        const grid::GridPosition g = grid::ToGrid(e, c.lat, c.lon, c.zone);
        EXPECT_EQ(g.Zone, c.expected) << c.name;
        EXPECT_EQ(g.Band, c.band) << c.name;

        // GeographicLib's own programs: GeoConvert knows WGS 84's zones and
        // UPS; on other ellipsoids the bare projection with the false origin.
        double x = 0, y = 0, gamma = 0, k = 0;
        if (c.ellipsoid == WGS84) {
            const std::string zone = c.zone < 0 ? "" : " -z " + std::to_string(c.zone);
            std::istringstream geo(ProgramOutput("echo '" + Text(c.lat) + ' ' + Text(c.lon) + "' | GeoConvert -u -p 6" + zone));
            std::istringstream conv(ProgramOutput("echo '" + Text(c.lat) + ' ' + Text(c.lon) + "' | GeoConvert -c -p 9" + zone));
            std::string zoneWord;
            geo >> zoneWord >> x >> y;
            conv >> gamma >> k;
            // The band as GeographicLib's MGRS names it: "32VKM..." or "ZAH...".
            const std::string mgrs = ProgramOutput("echo '" + Text(c.lat) + ' ' + Text(c.lon) + "' | GeoConvert -m -p 0" + zone);
            const std::size_t letter = mgrs.find_first_not_of("0123456789");
            ASSERT_NE(letter, std::string::npos) << mgrs;
            EXPECT_EQ(g.Band, mgrs[letter]) << c.name << ": " << mgrs;
            EXPECT_EQ(zoneWord.back(), g.North ? 'n' : 's') << c.name;
            EXPECT_EQ(zoneWord.size() == 1 ? grid::Ups : std::stoi(zoneWord), g.Zone) << c.name;
        } else {
            std::istringstream tm(ProgramOutput("echo '" + Text(c.lat) + ' ' + Text(c.lon) + "' | TransverseMercatorProj -k 0.9996 -l " +
                                         Text(6.0 * g.Zone - 183) + " -e " + Text(e.a) + ' ' + Text(f)));
            tm >> x >> y >> gamma >> k;
            x += 500e3;
            y += c.lat < 0 ? 10e6 : 0;
        }
        EXPECT_NEAR(g.Easting, x, 0.001) << c.name;
        EXPECT_NEAR(g.Northing, y, 0.001) << c.name;
        EXPECT_NEAR(std::remainder(g.Convergence - gamma, 360.0), 0, 1e-5) << c.name;
        EXPECT_NEAR(g.Scale, k, 1e-8) << c.name;

        // PROJ, on the same axes.
        if (g.Zone != grid::Ups) {
            std::istringstream proj(ProgramOutput("echo '" + Text(c.lon) + ' ' + Text(c.lat) +
                                           "' | cs2cs -f %.6f +proj=longlat +a=" + Text(e.a) + " +rf=" + Text(1 / f) +
                                           " +to +proj=utm +zone=" + std::to_string(g.Zone) + (c.lat < 0 ? " +south" : "") +
                                           " +a=" + Text(e.a) + " +rf=" + Text(1 / f)));
            double px = 0, py = 0;
            proj >> px >> py;
            EXPECT_NEAR(g.Easting, px, 0.001) << c.name << " (cs2cs)";
            EXPECT_NEAR(g.Northing, py, 0.001) << c.name << " (cs2cs)";
        }

        const grid::GeoPosition back = grid::FromGrid(e, g.Zone, g.North, g.Easting, g.Northing);
        EXPECT_NEAR(back.Lat, c.lat, 1e-9) << c.name;
        if (std::fabs(c.lat) < 90) {
            EXPECT_NEAR(std::remainder(back.Lon - c.lon, 360.0), 0, 1e-9) << c.name;
        }
    }
}

TEST(Utm, RoundTripInEveryZoneAndBandWithinAMillimetre)
{
    for (const int ellipsoid : {WGS84, Airy}) {
        const geo::EllipsoidDefinition e = geo::DefinedEllipsoid(ellipsoid);
        for (int zone = 1; zone <= 60; ++zone)
            for (double lat = -79.5; lat < 84; lat += 8)
                for (const double offset : {-2.9, 0.0, 2.9}) {
                    const double lon = 6.0 * zone - 183 + offset;
                    const grid::GridPosition g = grid::ToGrid(e, lat, lon, zone == grid::ToGrid(e, lat, lon).Zone ? -1 : zone);
                    const grid::GeoPosition p = grid::FromGrid(e, g.Zone, g.North, g.Easting, g.Northing);
                    const double north = (p.Lat - lat) * 111e3;
                    const double east = std::remainder(p.Lon - lon, 360.0) * 111e3 * std::cos(lat * 3.14159265358979323846 / 180);
                    EXPECT_LT(std::hypot(north, east), 0.001) << zone << ' ' << lat << ' ' << lon;
                }
    }
}

TEST(Utm, CommandLinesAnswerScriptsAndRefuseWithAReason)
{
    const struct {
        bool in; // gridin, else gridout
        std::vector<std::string> arguments;
        int status;
        const char* expected; // part of the output, or of the message
    } cases[] = {
        {false, {"50.37 -4.14"}, 0, "Zone: 30U\nEasting: 418929.261 m\nNorthing: 5580391.517 m\n"},
        {false, {"--json", "85 10"}, 0, "{\"zone\": 0, \"band\": \"Z\", \"easting_m\": "},
        {false, {"--zone", "31", "51.48 -0.5"}, 0, "Zone: 31U"},
        {false, {"--zone", "31", "50.37 -4.14"}, 2, "too far from zone 31's central meridian"},
        {false, {"--zone", "33", "50.37 -4.14"}, 2, "zone 33 is neither the position's zone (30) nor a neighbour of it"},
        {false, {"--zone", "61", "50.37 -4.14"}, 2, "the zone '61' is not a number from 1 to 60"},
        {false, {"--ellipsoid", "Mars", "50 0"}, 2, "unknown ellipsoid 'Mars': the ellipsoids are Airy, Airy Modified,"},
        {false, {"--ellipsoid"}, 2, "gridout: the option --ellipsoid needs a value (NAME)"},
        {false, {"--format", "DMS", "50 0"}, 2, "gridout: unknown option '--format'\nusage: gridout [--ellipsoid NAME] [--zone N] [--json] POSITION"},
        {false, {"50\xC2\xB0" "30'45 N"}, 2, "gridout: '50\xC2\xB0" "30'45 N' is not a latitude"},
        {false, {"85 180"}, 0, "Zone: UPS Z\n"},
        {false, {"-90 -40"}, 0, "Zone: UPS B\n"},
        {false, {"--zone", "1", "10 179.5"}, 0, "Zone: 1P\n"},
        {false, {"--zone", "60", "10 -179.5"}, 0, "Zone: 60P\n"},
        {false, {"--json", "-0.000000000001 9"}, 0, "\"band\": \"M\""},
        {true, {"32M", "500000.000", "10000000.000"}, 0, "Latitude: 00\xC2\xB0" "00'00 N"},
        {true, {"32N", "500000", "0"}, 0, "Latitude: 00\xC2\xB0" "00'00 N"},
        {true, {"32N", "500000", "5000000"}, 2, "the position lies in band T, not N"},  // N is northern
        {true, {"33N", "500000", "9000000"}, 2, "band X, not N"},
        {true, {"99999999999999999999n", "500000", "0"}, 2, "gridin: the zone '99999999999999999999n' does not exist (zones 1 to 60"},
        {true, {"61n", "500000", "0"}, 2, "the zone '61n' does not exist"},
        {true, {"030n", "418929.261", "5580391.516"}, 0, "Latitude: 50\xC2\xB0" "22'20 N"},
        {true, {"Y", "2000000", "2000000"}, 2, "the position lies in band Z, not Y"},
        {true, {"30n", "nan", "0"}, 2, "'nan' is not a number of metres"},
        {true, {"--format", "DMS.sss", "Z", "2000000", "2000000"}, 0, "Latitude: 90\xC2\xB0" "00'00\"000 N"},
        {true, {"30n", "418929.261", "5580391.516"}, 0, "Latitude: 50\xC2\xB0" "22'20 N\nLongitude: 004\xC2\xB0" "08'40 W"},
        {true, {"--json", "30U", "418929.261", "5580391.516"}, 0, "{\"latitude_deg\": 50.3"},
        {true, {"30T", "418929.261", "5580391.516"}, 2, "the position lies in band U, not T"},
        {true, {"30n", "1418497.6", "5580500"}, 2, "the easting is outside its zone's valid area (0 km to 1000 km)"},
        {true, {"30s", "418497.6", "500000"}, 2, "the northing is outside its zone's valid area (900 km to 10000 km)"},
        {true, {"30x", "418929.261", "5580391.516"}, 2, "is not a zone with its hemisphere"},
        {true, {"30n", "east", "5580500"}, 2, "'east' is not a number of metres"},
        {true, {"Z", "2000000", "1500000"}, 0, "Latitude: 8"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        const int status = c.in ? grid::RunGridIn(c.arguments, out, err) : grid::RunGridOut(c.arguments, out, err);
        EXPECT_EQ(status, c.status) << c.arguments.back() << ": " << err;
        EXPECT_NE((c.status == 0 ? out : err).find(c.expected), std::string::npos) << out << err;
    }
}

// Whatever gridout prints, gridin takes back, to within a millimetre: a
// grid over the globe with the poles, 180 degrees, the equator and the
// band edges, through both command lines' own texts.
TEST(Utm, EveryGridoutAnswerIsTakenBackByGridin)
{
    std::vector<double> lats = {-90, -89.9999999, -80.0000001, -80, -0.000000000001, 0, 84, 83.9999999, 89.9999999, 90};
    for (double lat = -80; lat <= 84; lat += 8) {
        lats.push_back(lat);
        lats.push_back(std::nextafter(lat, -100.0));
    }
    std::vector<double> lons = {-180, -179.9999999, 179.9999999, 180, 0, -0.0000001, 3, 9, 21, 33, 42};
    for (const double lat : lats)
        for (const double lon : lons) {
            const std::string position = Text(lat) + " " + Text(lon);
            std::string out, err;
            ASSERT_EQ(grid::RunGridOut({position}, out, err), 0) << position << ": " << err;
            std::istringstream lines(out);
            std::string zone, easting, northing, word;
            lines >> word >> zone;
            if (zone == "UPS")
                lines >> zone;
            lines >> word >> easting >> word >> word >> northing;
            std::string back, why;
            ASSERT_EQ(grid::RunGridIn({"--json", zone, easting, northing}, back, why), 0) << position << " as " << out << why;
            const double latBack = std::stod(back.substr(back.find("latitude_deg") + 15));
            const double lonBack = std::stod(back.substr(back.find("longitude_deg") + 16));
            const double north = (latBack - lat) * 111e3;
            const double east = std::remainder(lonBack - lon, 360.0) * 111e3 * std::cos(lat * 3.14159265358979323846 / 180);
            EXPECT_LT(std::hypot(north, east), 0.001) << position << " -> " << zone << ' ' << easting << ' ' << northing;
        }
}

} // namespace
