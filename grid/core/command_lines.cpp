#include "grid/core/command_lines.h"

#include "geo/angle_text.h"
#include "geo/ellipsoids.h"
#include "geo/position_text.h"
#include "grid/core/utm.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace grid {
namespace {

constexpr std::array<std::string_view, 3> FormatNames = {"DM.dd", "DMS", "DMS.sss"};

// The options both programs share; the rest in `words`.
struct Options {
    geo::Ellipsoid Ellipsoid = geo::EllipsoidAt(22); // WGS 84
    bool Json = false;
    int Zone = StandardZone;
    geo::AngleFormat Format = geo::AngleFormat::DMdd;
    std::vector<std::string> Words;
};

std::optional<Options> Parse(const std::vector<std::string>& arguments, bool zoneOption, std::string& err)
{
    Options o;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool valued = a == "--ellipsoid" || a == "--format" || (zoneOption && a == "--zone");
        if (a == "--json") {
            o.Json = true;
        } else if (valued && i + 1 < arguments.size()) {
            const std::string& v = arguments[++i];
            if (a == "--ellipsoid") {
                const auto found = std::ranges::find(geo::EllipsoidNames, v);
                if (found == geo::EllipsoidNames.end()) {
                    err = "unknown ellipsoid '" + v + "'";
                    return std::nullopt;
                }
                o.Ellipsoid = geo::EllipsoidAt(static_cast<int>(found - geo::EllipsoidNames.begin()));
            } else if (a == "--format") {
                const auto found = std::ranges::find(FormatNames, v);
                if (found == FormatNames.end()) {
                    err = "unknown format '" + v + "'";
                    return std::nullopt;
                }
                o.Format = static_cast<geo::AngleFormat>(found - FormatNames.begin());
            } else {
                int zone = 0;
                const auto r = std::from_chars(v.data(), v.data() + v.size(), zone);
                if (r.ec != std::errc() || r.ptr != v.data() + v.size() || zone < 1 || zone > 60) {
                    err = "the zone '" + v + "' is not a number from 1 to 60";
                    return std::nullopt;
                }
                o.Zone = zone;
            }
        } else if (a.starts_with("--")) {
            err = "unknown option '" + a + "'";
            return std::nullopt;
        } else {
            o.Words.push_back(a);
        }
    }
    return o;
}

std::string ZoneText(int zone, char band)
{
    return zone == Ups ? std::string("UPS ") + band : std::to_string(zone) + band;
}

} // namespace

int RunGridOut(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    const char usage[] = "usage: gridout [--ellipsoid NAME] [--zone N] [--json] POSITION\n";
    std::optional<Options> o = Parse(arguments, true, err);
    if (o && o->Words.size() != 1)
        err = "one position, please";
    double lat = 0, lon = 0;
    std::string why;
    if (!o || o->Words.size() != 1 || !geo::ReadPosition(o->Words[0], lat, lon, why)) {
        err = "gridout: " + geo::Utf8Text(err.empty() ? why : err) + "\n" + usage;
        return 2;
    }
    try {
        const GridPosition g = ToGrid(o->Ellipsoid, lat, lon, o->Zone);
        if (o->Json)
            out = "{\"zone\": " + std::to_string(g.Zone) + ", \"band\": \"" + g.Band + "\", \"easting_m\": " +
                  geo::DecimalText(g.Easting) + ", \"northing_m\": " + geo::DecimalText(g.Northing) + ", \"convergence_deg\": " +
                  geo::DecimalText(g.Convergence) + ", \"scale\": " + geo::DecimalText(g.Scale) + "}\n";
        else
            out = "Zone: " + ZoneText(g.Zone, g.Band) + "\nEasting: " + geo::DecimalText(g.Easting, 3) + " m\nNorthing: " +
                  geo::DecimalText(g.Northing, 3) + " m\nMeridian convergence: " + geo::DecimalText(g.Convergence, 6) +
                  "\xC2\xB0\nPoint scale: " + geo::DecimalText(g.Scale, 8) + "\n";
    } catch (const GridError& e) {
        err = std::string("gridout: ") + e.what() + "\n";
        return 2;
    }
    return 0;
}

int RunGridIn(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    const char usage[] = "usage: gridin [--ellipsoid NAME] [--json] ZONE EASTING NORTHING\n";
    std::optional<Options> o = Parse(arguments, false, err);
    if (!o || o->Words.size() != 3) {
        err = "gridin: " + (err.empty() ? std::string("a zone, an easting and a northing, please") : err) + "\n" + usage;
        return 2;
    }
    // "30n", "56s", "30U", "0n", "Z".
    const std::string& z = o->Words[0];
    const std::size_t digits = std::min(z.find_first_not_of("0123456789"), z.size());
    const std::string letter = z.substr(digits);
    const int zone = digits == 0 ? Ups : digits <= 2 ? std::stoi(z.substr(0, digits)) : -1;
    bool north = true;
    char band = 0;
    if (letter == "n" || letter == "s") {
        north = letter == "n";
    } else if (letter.size() == 1 && std::string_view("CDEFGHJKLMNPQRSTUVWXABYZ").find(letter[0]) != std::string::npos) {
        band = letter[0];
        north = band >= 'N';
    } else {
        err = "gridin: the zone '" + z + "' is not a zone with its hemisphere (30n, 56s) or band (30U)\n" + usage;
        return 2;
    }
    const bool upsBand = band == 'A' || band == 'B' || band == 'Y' || band == 'Z';
    if ((band != 0 && (zone == Ups) != upsBand) || (digits == 0 && band == 0)) {
        err = "gridin: the zone '" + z + "' mixes UTM and UPS\n" + usage;
        return 2;
    }
    double easting = 0, northing = 0;
    for (const auto& [word, value] : {std::pair{o->Words[1], &easting}, std::pair{o->Words[2], &northing}}) {
        const auto parsed = std::from_chars(word.data(), word.data() + word.size(), *value);
        if (parsed.ec != std::errc() || parsed.ptr != word.data() + word.size()) {
            err = "gridin: '" + word + "' is not a number of metres\n" + usage;
            return 2;
        }
    }
    try {
        const GeoPosition p = FromGrid(o->Ellipsoid, zone, north, easting, northing);
        if (band != 0 && BandOf(p.Lat, p.Lon) != band)
            throw GridError(std::string("the position lies in band ") + BandOf(p.Lat, p.Lon) + ", not " + band);
        if (o->Json)
            out = "{\"latitude_deg\": " + geo::DecimalText(p.Lat) + ", \"longitude_deg\": " + geo::DecimalText(p.Lon) +
                  ", \"convergence_deg\": " + geo::DecimalText(p.Convergence) + ", \"scale\": " + geo::DecimalText(p.Scale) + "}\n";
        else
            out = "Latitude: " + geo::Utf8Text(geo::FormatAngle(o->Format, false, p.Lat)) + "\nLongitude: " +
                  geo::Utf8Text(geo::FormatAngle(o->Format, true, p.Lon)) + "\nMeridian convergence: " +
                  geo::DecimalText(p.Convergence, 6) + "\xC2\xB0\nPoint scale: " + geo::DecimalText(p.Scale, 8) + "\n";
    } catch (const GridError& e) {
        err = std::string("gridin: ") + e.what() + "\n";
        return 2;
    }
    return 0;
}

} // namespace grid
