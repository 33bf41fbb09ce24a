#include "grid/core/command_lines.h"

#include "geo/angle_text.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"
#include "grid/core/utm.h"
#include "platform/command_line/json.h"
#include "platform/command_line/suite_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace grid {
namespace {

constexpr std::string_view UtmBandLetters = "CDEFGHJKLMNPQRSTUVWX", UpsBandLetters = "ABYZ";
constexpr int LastZone = 60;

// A whole number of 1 to 60 (or 0, when `ups` may be meant) from `text`;
// -1 when it is none.
int ZoneNumber(std::string_view text, int lowest)
{
    int zone = -1;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), zone);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || zone < lowest || zone > LastZone)
        return -1;
    return zone;
}

} // namespace

std::string ZoneText(int zone, char band)
{
    return zone == Ups ? std::string("UPS ") + band : std::to_string(zone) + band;
}

ResultLines GridOutLines(const GridPosition& g)
{
    return {{"Zone", ZoneText(g.Zone, g.Band)},
            {"Easting", geo::DecimalText(g.Easting, 3) + " m"},
            {"Northing", geo::DecimalText(g.Northing, 3) + " m"},
            {"Meridian convergence", geo::DecimalText(g.Convergence, 6) + geo::DegreeSign},
            {"Point scale", geo::DecimalText(g.Scale, 8)}};
}

ResultLines GridInLines(const GeoPosition& p, geo::AngleFormat format)
{
    return {{"Latitude", geo::FormatAngle(format, false, p.Lat)},
            {"Longitude", geo::FormatAngle(format, true, p.Lon)},
            {"Meridian convergence", geo::DecimalText(p.Convergence, 6) + geo::DegreeSign},
            {"Point scale", geo::DecimalText(p.Scale, 8)}};
}

GridReference ReadZone(const std::string& text)
{
    const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
    const std::string letter = text.substr(digits);
    const std::string shown = geo::ShownText(text);
    GridReference g;
    g.Zone = digits == 0 ? Ups : ZoneNumber(std::string_view(text).substr(0, digits), 0);
    if (g.Zone < 0)
        throw cli::InputError("the zone '" + shown + "' does not exist (zones 1 to 60, 0 or a UPS band letter for UPS)");
    if (letter == "n" || letter == "s") {
        g.North = letter == "n";
        if (digits == 0)
            throw cli::InputError("the zone '" + shown + "' needs its number (0 for UPS)");
    } else if (letter.size() == 1 && (UtmBandLetters.find(letter[0]) != std::string_view::npos ||
                                      UpsBandLetters.find(letter[0]) != std::string_view::npos)) {
        g.Band = letter[0];
        g.North = g.Band >= 'N';
        if ((g.Zone == Ups) != (UpsBandLetters.find(g.Band) != std::string_view::npos))
            throw cli::InputError("the zone '" + shown + "' mixes UTM and UPS");
    } else {
        throw cli::InputError("the zone '" + shown + "' is not a zone with its hemisphere (30n, 56s) or band (30U)");
    }
    return g;
}

int RunGridOut(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("gridout", {cli::EllipsoidOption, {"--zone", "N"}, cli::JsonOption}, "POSITION");
    return cli::Run(args, arguments, [&args](std::string& result) {
        const int ellipsoid = cli::EllipsoidOf(args);
        int zone = StandardZone;
        if (const auto z = args.Value("--zone")) {
            zone = ZoneNumber(*z, 1);
            if (zone < 0)
                throw cli::InputError("the zone '" + geo::ShownText(*z) + "' is not a number from 1 to 60");
        }
        if (args.Operands().size() != 1)
            throw cli::InputError("one position, please");
        const cli::Position p = cli::PositionOf(args.Operands()[0]);
        GridPosition g;
        try {
            g = ToGrid(geo::DefinedEllipsoid(ellipsoid), p.Lat, p.Lon, zone);
        } catch (const GridError& e) {
            throw cli::InputError(e.what());
        }
        if (args.Flag(cli::JsonOption.Name)) {
            result = cli::JsonObject()
                         .Add("zone", cli::Json::Integer(g.Zone))
                         .Add("band", cli::Json::String(std::string(1, g.Band)))
                         .Add("easting_m", cli::Json::Number(g.Easting))
                         .Add("northing_m", cli::Json::Number(g.Northing))
                         .Add("convergence_deg", cli::Json::Number(g.Convergence))
                         .Add("scale", cli::Json::Number(g.Scale))
                         .Line();
            return;
        }
        result = cli::Lines(GridOutLines(g));
    }, out, err);
}

GeoPosition FromReference(const geo::EllipsoidDefinition& ellipsoid, const GridReference& g, double easting,
                          double northing)
{
    const GeoPosition p = FromGrid(ellipsoid, g.Zone, g.North, easting, northing);
    if (g.Band != 0 && !BandHolds(g.Band, g.Zone, p.Lat, easting)) {
        const char band = g.Zone == Ups ? UpsBandOf(g.North, easting) : UtmBandOf(p.Lat);
        throw GridError(std::string("the position lies in band ") + band + ", not " + g.Band);
    }
    return p;
}

double Metres(const std::string& word)
{
    double value = 0;
    const auto parsed = std::from_chars(word.data(), word.data() + word.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != word.data() + word.size() || !std::isfinite(value))
        throw cli::InputError("'" + geo::ShownText(word) + "' is not a number of metres");
    return value;
}

int RunGridIn(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("gridin", {cli::EllipsoidOption, cli::JsonOption, cli::FormatOption}, "ZONE EASTING NORTHING");
    return cli::Run(args, arguments, [&args](std::string& result) {
        const int ellipsoid = cli::EllipsoidOf(args);
        const geo::AngleFormat format = cli::FormatOf(args);
        if (args.Operands().size() != 3)
            throw cli::InputError("a zone, an easting and a northing, please");
        const GridReference g = ReadZone(args.Operands()[0]);
        const double easting = Metres(args.Operands()[1]), northing = Metres(args.Operands()[2]);
        GeoPosition p;
        try {
            p = FromReference(geo::DefinedEllipsoid(ellipsoid), g, easting, northing);
        } catch (const GridError& e) {
            throw cli::InputError(e.what());
        }
        if (args.Flag(cli::JsonOption.Name)) {
            result = cli::JsonObject()
                         .Add("latitude_deg", cli::Json::Number(p.Lat))
                         .Add("longitude_deg", cli::Json::Number(p.Lon))
                         .Add("convergence_deg", cli::Json::Number(p.Convergence))
                         .Add("scale", cli::Json::Number(p.Scale))
                         .Line();
            return;
        }
        result = cli::Lines(GridInLines(p, format));
    }, out, err);
}

} // namespace grid
