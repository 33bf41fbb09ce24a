// datumshift's command line as scripts meet it: its JSON held against
// cs2cs, pyproj and projinfo (proj_reference.h), the common datums as the
// README tables them, the same datum both ways, positions outside every
// transformation's area, and the refusals.
#include "datumshift/core/command_line.h"
#include "geo/position_text.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include "proj_reference.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using proj_reference::Decimal;
using proj_reference::Epsg;

constexpr double Millimetre = 0.001;
constexpr double DegreesPerRadian = 57.29577951308232;

struct Output {
    int status = 0;
    std::string out, err;
};

Output Datumshift(const std::vector<std::string>& words)
{
    Output r;
    r.status = datumshift::RunCommandLine(words, r.out, r.err);
    return r;
}

// The text of a JSON member's value (a string without its quotes); the
// keys of datumshift's output are each used once, so a key finds its member.
std::string Member(const std::string& json, const std::string& key)
{
    const std::string quoted = "\"" + key + "\": ";
    const auto at = json.find(quoted);
    if (at == std::string::npos)
        return "(missing)";
    const auto from = at + quoted.size();
    if (json[from] == '"')
        return json.substr(from + 1, json.find('"', from + 1) - from - 1);
    return json.substr(from, json.find_first_of(",}", from) - from);
}

double Number(const std::string& json, const std::string& key) { return std::stod(Member(json, key)); }

TEST(CommandLine, JsonAgreesWithCs2csPyprojAndProjinfo)
{
    std::vector<proj_reference::Case> cases;
    for (const auto& c : proj_reference::Cases)
        if (c.height == 0) // the command line moves positions without a height
            cases.push_back(c);
    ASSERT_GE(cases.size(), 20u);
    const auto references = proj_reference::References(cases);

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const proj_reference::Case& c = cases[i];
        const proj_reference::Reference& r = references[i];
        const Output run = Datumshift({"--json", "--from", Epsg(c.from), "--to", Epsg(c.to), Decimal(c.lat), Decimal(c.lon)});
        ASSERT_EQ(run.status, 0) << c.place << run.err;
        const std::string& json = run.out;
        const double lat = Number(json, "latitude_deg"), lon = Number(json, "longitude_deg");
        EXPECT_LT(proj_reference::MetresApart(r.cs2cs, lat, lon), Millimetre) << c.place;
        EXPECT_LT(proj_reference::MetresApart(r.pyproj, lat, lon), Millimetre) << c.place;

        // The shift: the geodesic on the source ellipsoid, from the position
        // given to the one cs2cs finds.
        const double flattening = r.inverseFlattening == 0 ? 0.0 : 1 / r.inverseFlattening;
        const GeographicLib::Geodesic source(r.semiMajorAxis, flattening);
        double distance = 0, azimuth = 0, azimuthAtEnd = 0;
        source.Inverse(c.lat, c.lon + c.meridian, r.cs2cs.lat, r.cs2cs.lon, distance, azimuth, azimuthAtEnd);
        EXPECT_NEAR(Number(json, "shift_m"), distance, Millimetre) << c.place;
        if (distance < Millimetre) { // at the pole: no way to go
            EXPECT_EQ(Member(json, "shift_direction_deg"), "null") << c.place;
        } else {
            // A millimetre across the shift turns its direction by this much.
            const double turn = std::atan2(2 * Millimetre, distance) * DegreesPerRadian;
            EXPECT_NEAR(std::remainder(Number(json, "shift_direction_deg") - azimuth, 360.0), 0.0, turn) << c.place;
        }

        EXPECT_EQ(Member(json, "name"), r.used.name) << c.place;
        EXPECT_EQ(Member(json, "code"), r.used.code.empty() ? "null" : r.used.code) << c.place;
        EXPECT_EQ(Member(json, "fallback"), c.fallback ? "true" : "false") << c.place;
        EXPECT_EQ(r.bestAvailable, !c.fallback) << c.place;
    }
}

// The datums the window offers first, as the README tables them: the
// transformation used on Debian's data, its accuracy, and the better one
// with the grid it lacks, which --strict refuses to do without.
TEST(CommandLine, CommonDatumsAsTheReadmeTablesThem)
{
    const struct {
        const char *from, *to, *position;
        const char *used, *accuracy;
        const char *better, *grids; // "" where the best one runs here
    } rows[] = {
        {"WGS 84", "ETRS89", "54.5 10.5", "Inverse of ETRS89 to WGS 84 (1) (EPSG:1149)", "1 m", "", ""},
        {"ETRS89", "WGS 84", "54.5 10.5", "ETRS89 to WGS 84 (1) (EPSG:1149)", "1 m", "", ""},
        {"ED50", "WGS 84", "57.73 0.97", "ED50 to WGS 84 (18) (EPSG:1311)", "1 m", "", ""},
        {"ED50", "WGS 84", "36.0 -5.5", "ED50 to WGS 84 (28) (EPSG:1633)", "1.5 m", "ED50 to WGS 84 (41) (EPSG:15933)",
         "the grid es_ign_SPED2ETV2.tif"},
        {"OSGB36", "WGS 84", "50.3654 -4.1427", "OSGB36 to WGS 84 (6) (EPSG:1314)", "2 m",
         "OSGB36 to WGS 84 (9) (EPSG:7710)", "the grid uk_os_OSTN15_NTv2_OSGBtoETRS.tif"},
        {"NAD27", "WGS 84", "40.6892 -74.0445", "NAD27 to WGS 84 (4) (EPSG:1173)", "10 m",
         "NAD27 to WGS 84 (64) (EPSG:8617)", "the grids us_noaa_conus.tif and us_noaa_nyhpgn.tif"},
        {"NAD27", "WGS 84", "28.0 -90.0", "NAD27 to WGS 84 (81) (EPSG:15853)", "5 m", "", ""},
        {"NAD83", "WGS 84", "42.35 -70.95", "NAD83 to WGS 84 (1) (EPSG:1188)", "4 m", "NAD83 to WGS 84 (29) (EPSG:1725)",
         "the grid us_noaa_nehpgn.tif"},
        {"Tokyo", "WGS 84", "35.45 139.75", "Tokyo to WGS 84 (108) (EPSG:15484)", "9 m", "", ""},
        {"Pulkovo 1942", "WGS 84", "59.9 29.0", "Pulkovo 1942 to WGS 84 (20) (EPSG:5044)", "3 m", "", ""},
    };
    for (const auto& row : rows) {
        const std::string where = std::string(row.from) + " at " + row.position;
        const Output plain = Datumshift({"--from", row.from, "--to", row.to, row.position});
        ASSERT_EQ(plain.status, 0) << where << plain.err;
        EXPECT_NE(plain.out.find("\nTransformation: " + std::string(row.used) + "\n"), std::string::npos) << plain.out;
        EXPECT_NE(plain.out.find("\nAccuracy: " + std::string(row.accuracy) + "\n"), std::string::npos) << plain.out;
        const bool fallback = *row.better != 0;
        EXPECT_EQ(Member(Datumshift({"--json", "--from", row.from, "--to", row.to, row.position}).out, "fallback"),
                  fallback ? "true" : "false")
            << where;

        const Output strict = Datumshift({"--strict", "--from", row.from, "--to", row.to, row.position});
        if (!fallback) {
            EXPECT_EQ(plain.out.find("\nNote: "), std::string::npos) << plain.out;
            EXPECT_EQ(strict.status, 0) << where;
            EXPECT_EQ(strict.out, plain.out) << where;
            continue;
        }
        const std::string lacks = std::string(row.grids) + " that this machine does not have";
        EXPECT_NE(plain.out.find("\nNote: " + std::string(row.used) + " is used in place of " + row.better +
                                 ", which needs " + lacks + "\n"),
                  std::string::npos)
            << plain.out;
        EXPECT_EQ(strict.status, 2) << where;
        EXPECT_EQ(strict.out, "") << where;
        EXPECT_EQ(strict.err.substr(0, strict.err.find('\n')),
                  "datumshift: " + std::string(row.better) + ", the best transformation from " + row.from + " to " +
                      row.to + " here, needs " + lacks + "; " + row.used + " would be used in its place")
            << where;
    }
}

TEST(CommandLine, SameDatumAndThereAndBack)
{
    // The same datum, named two ways: nothing moves, and no direction.
    EXPECT_EQ(Datumshift({"--json", "--from", "ED50", "--to", "EPSG:4230", "43.25 4.5"}).out,
              "{\"latitude_deg\": 43.25, \"longitude_deg\": 4.5, \"shift_m\": 0, \"shift_direction_deg\": null, "
              "\"transformation\": {\"name\": \"Null geographic offset from ED50 to ED50\", \"code\": null, "
              "\"accuracy_m\": 0, \"ballpark\": false}, \"fallback\": false}\n");

    // There and back, as the window's Swap does it: home within a millimetre.
    const struct {
        const char *from, *to;
        double lat, lon;
    } trips[] = {
        {"OSGB36", "WGS 84", 50.3654, -4.1427},
        {"ED50", "WGS 84", 57.73, 0.97},
        {"WGS 72", "WGS 84", -17.0, 179.9999},
    };
    for (const auto& t : trips) {
        const std::string there = Datumshift({"--json", "--from", t.from, "--to", t.to, Decimal(t.lat), Decimal(t.lon)}).out;
        const std::string back = Datumshift({"--json", "--from", t.to, "--to", t.from,
                                             geo::DecimalText(Number(there, "latitude_deg")), geo::DecimalText(Number(there, "longitude_deg"))})
                                     .out;
        EXPECT_LT(proj_reference::MetresApart({Number(back, "latitude_deg"), Number(back, "longitude_deg")}, t.lat, t.lon),
                  Millimetre)
            << t.from;
    }
}

// Outside every transformation of its area PROJ offers only the ballpark,
// which the output says; strict mode refuses fallbacks, not this.
TEST(CommandLine, OutsideTheAreaIsSaid)
{
    const std::string note =
        "Note: The position is outside the area of use of ED50 (EPSG:4230). A ballpark transformation: the datums "
        "are taken as one (only their prime meridians are allowed for), so the position may be tens to hundreds of "
        "metres out\n";
    for (const char* mode : {"--json", "--strict"}) {
        const Output plain = Datumshift({mode, "--from", "ED50", "--to", "WGS 84", "40 -20"}); // mid-Atlantic
        ASSERT_EQ(plain.status, 0) << plain.err;
        if (std::string(mode) == "--json") {
            EXPECT_EQ(Member(plain.out, "code"), "null");
            EXPECT_EQ(Member(plain.out, "accuracy_m"), "null");
            EXPECT_EQ(Member(plain.out, "ballpark"), "true");
            EXPECT_EQ(Member(plain.out, "fallback"), "false");
        } else {
            EXPECT_NE(plain.out.find("\nAccuracy: not stated\n" + note), std::string::npos) << plain.out;
        }
    }
}

TEST(CommandLine, RefusesWhatItCannotTake)
{
    const struct {
        std::vector<std::string> words;
        const char* why;
    } cases[] = {
        {{"50 -4"}, "the datum to move from is missing: --from CRS (an EPSG code or name)"},
        {{"--from", "ED50", "50 -4"}, "the datum to move to is missing: --to CRS (an EPSG code or name)"},
        {{"--from", "ED50", "--to", "WGS 84"}, "one position, please: its latitude, then its longitude"},
        {{"--from", "ED50", "--to", "WGS 84", "50", "-4", "0"}, "one position, please: its latitude, then its longitude"},
        {{"--from", "ED50", "--to", "WGS 84", "95 -4"}, "'95 -4' is off the globe (latitude -90..90, longitude -180..180)"},
        {{"--from", "Atlantis 1950", "--to", "WGS 84", "50 -4"},
         "No geographic coordinate reference system of the EPSG database is named 'Atlantis 1950'"},
        {{"--from", "ED\xff", "--to", "WGS 84", "50 -4"},
         "No geographic coordinate reference system of the EPSG database is named 'ED\\xFF'"},
        {{"--from", "ED50", "--to", "3857", "50 -4"},
         "WGS 84 / Pseudo-Mercator (EPSG:3857) is not a geographic coordinate reference system"},
    };
    for (const auto& c : cases) {
        const Output run = Datumshift(c.words);
        EXPECT_EQ(run.status, 2) << c.why;
        EXPECT_EQ(run.out, "") << c.why;
        EXPECT_EQ(run.err, "datumshift: " + std::string(c.why) +
                               "\nusage: datumshift [--json] [--strict] --from CRS --to CRS POSITION\n");
    }
}

} // namespace
