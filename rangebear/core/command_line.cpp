#include "rangebear/core/command_line.h"

#include "geo/constants.h"
#include "geo/position_text.h"
#include "platform/command_line/json.h"
#include "platform/command_line/suite_options.h"

namespace rangebear {
namespace {

std::string Json(const RangeBearing& r)
{
    const auto course = [&r](double c) { return r.SamePoint ? cli::Json::Null() : cli::Json::Number(c); };
    return cli::JsonObject()
        .Add("rhumb_course_deg", course(r.RhumbCourse))
        .Add("rhumb_distance_m", cli::Json::Number(r.RhumbDistance))
        .Add("geodesic_distance_m", cli::Json::Number(r.GeodesicDistance))
        .Add("initial_course_deg", course(r.InitialCourse))
        .Add("final_course_deg", course(r.FinalCourse))
        .Add("geodesic_unique", cli::Json::Bool(!r.NotUnique))
        .Line();
}

} // namespace

std::vector<ResultText> ResultTexts(const RangeBearing& r, geo::AngleFormat format)
{
    const auto course = [&](double c, bool geodesic) {
        if (r.SamePoint)
            return std::string("not defined (the same position)");
        return geo::CourseText(format, c) + (geodesic && r.NotUnique ? " (not unique: opposite points)" : "");
    };
    const auto miles = [](double m) { return geo::DecimalText(m / geo::MetresPerNauticalMile, 2) + " nm"; };
    const auto metres = [](double m) { return geo::DecimalText(m, 3) + " m"; };
    return {
        {"Rhumb line course", course(r.RhumbCourse, false)},
        {"Rhumb line distance", miles(r.RhumbDistance)},
        {"Rhumb line distance in metres", metres(r.RhumbDistance)},
        {"Geodesic distance", miles(r.GeodesicDistance)},
        {"Geodesic distance in metres", metres(r.GeodesicDistance)},
        {"Initial course", course(r.InitialCourse, true)},
        {"Final course", course(r.FinalCourse, true)},
    };
}

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("rangebear", {cli::EllipsoidOption, cli::JsonOption, cli::FormatOption}, "FROM TO");
    return cli::Run(args, arguments, [&args](std::string& result) {
        const int ellipsoid = cli::EllipsoidOf(args);
        const geo::AngleFormat format = cli::FormatOf(args);
        if (args.Operands().size() != 2)
            throw cli::InputError("two positions, please: FROM and TO");
        const cli::Position from = cli::PositionOf(args.Operands()[0]), to = cli::PositionOf(args.Operands()[1]);
        const RangeBearing r = Solve(geo::DefinedEllipsoid(ellipsoid), from.Lat, from.Lon, to.Lat, to.Lon);
        if (args.Flag(cli::JsonOption.Name)) {
            result = Json(r);
            return;
        }
        std::vector<std::pair<std::string, std::string>> lines;
        for (const ResultText& line : ResultTexts(r, format))
            lines.emplace_back(line.Name, line.Value);
        result = cli::Lines(lines);
    }, out, err);
}

} // namespace rangebear
