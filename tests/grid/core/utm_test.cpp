// UTM and UPS against programs written by others: GeographicLib's
// GeoConvert and TransverseMercatorProj, and PROJ's cs2cs; the round trip;
// and what the command lines refuse.
#include "geo/ellipsoids.h"
#include "grid/core/command_lines.h"
#include "grid/core/utm.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <cmath>
#include <sstream>
#include <string>

namespace {

constexpr int Airy = 0, Clarke1866 = 4, Intern = 15, WGS84 = 22;

using testsupport::ProgramOutput;

std::string Text(double v)
{
    std::ostringstream s;
    s.precision(17);
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
    };
    for (const auto& c : cases) {
        const geo::Ellipsoid e = geo::EllipsoidAt(c.ellipsoid);
        const double f = (e.a - e.b) / e.a;
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
        } else {
            std::istringstream tm(ProgramOutput("echo '" + Text(c.lat) + ' ' + Text(c.lon) + "' | TransverseMercatorProj -k 0.9996 -l " +
                                         Text(6.0 * g.Zone - 183) + " -e " + Text(e.a) + ' ' + Text(f)));
            tm >> x >> y >> gamma >> k;
            x += 500e3;
            y += c.lat < 0 ? 10e6 : 0;
        }
        EXPECT_NEAR(g.Easting, x, 0.001) << c.name;
        EXPECT_NEAR(g.Northing, y, 0.001) << c.name;
        EXPECT_NEAR(g.Convergence, gamma, 1e-5) << c.name;
        EXPECT_NEAR(g.Scale, k, 1e-8) << c.name;

        // PROJ, on the same axes.
        if (g.Zone != grid::Ups) {
            std::istringstream proj(ProgramOutput("echo '" + Text(c.lon) + ' ' + Text(c.lat) +
                                           "' | cs2cs -f %.6f +proj=longlat +a=" + Text(e.a) + " +b=" + Text(e.b) +
                                           " +to +proj=utm +zone=" + std::to_string(g.Zone) + (c.lat < 0 ? " +south" : "") +
                                           " +a=" + Text(e.a) + " +b=" + Text(e.b)));
            double px = 0, py = 0;
            proj >> px >> py;
            EXPECT_NEAR(g.Easting, px, 0.001) << c.name << " (cs2cs)";
            EXPECT_NEAR(g.Northing, py, 0.001) << c.name << " (cs2cs)";
        }

        const grid::GeoPosition back = grid::FromGrid(e, g.Zone, g.North, g.Easting, g.Northing);
        EXPECT_NEAR(back.Lat, c.lat, 1e-9) << c.name;
        EXPECT_NEAR(std::remainder(back.Lon - c.lon, 360.0), 0, 1e-9) << c.name;
    }
}

TEST(Utm, RoundTripInEveryZoneAndBandWithinAMillimetre)
{
    for (const int ellipsoid : {WGS84, Airy}) {
        const geo::Ellipsoid e = geo::EllipsoidAt(ellipsoid);
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
        {false, {"50.37 -4.14"}, 0, "Zone: 30U\nEasting: 418929.261 m\nNorthing: 5580391.516 m\n"},
        {false, {"--json", "85 10"}, 0, "{\"zone\": 0, \"band\": \"Z\", \"easting_m\": "},
        {false, {"--zone", "31", "51.48 -0.5"}, 0, "Zone: 31U"},
        {false, {"--zone", "31", "50.37 -4.14"}, 2, "too far from zone 31's central meridian"},
        {false, {"--zone", "33", "50.37 -4.14"}, 2, "zone 33 is neither the position's zone (30) nor a neighbour of it"},
        {false, {"--zone", "61", "50.37 -4.14"}, 2, "the zone '61' is not a number from 1 to 60"},
        {false, {"--ellipsoid", "Mars", "50 0"}, 2, "unknown ellipsoid 'Mars'"},
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

} // namespace
