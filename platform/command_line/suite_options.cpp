#include "platform/command_line/suite_options.h"

#include "geo/ellipsoid_definitions.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"

#include <algorithm>

namespace cli {

int EllipsoidOf(const Arguments& args)
{
    const std::optional<std::string> name = args.Value(EllipsoidOption.Name);
    if (!name)
        return geo::Wgs84Index;
    const int index = geo::EllipsoidIndex(*name);
    if (index < 0) {
        std::string known;
        for (const std::string_view n : geo::EllipsoidNames)
            known += (known.empty() ? "" : ", ") + std::string(n);
        throw InputError("unknown ellipsoid '" + geo::ShownText(*name) + "': the ellipsoids are " + known);
    }
    return index;
}

geo::AngleFormat FormatOf(const Arguments& args)
{
    const std::optional<std::string> name = args.Value(FormatOption.Name);
    if (!name)
        return geo::AngleFormat::DMdd;
    const auto found = std::ranges::find(geo::AngleFormatNames, *name);
    if (found == std::end(geo::AngleFormatNames))
        throw InputError("unknown format '" + geo::ShownText(*name) + "': the formats are DM.dd, DMS and DMS.sss");
    return static_cast<geo::AngleFormat>(found - std::begin(geo::AngleFormatNames));
}

Position PositionOf(const std::string& word)
{
    Position p;
    std::string why;
    if (!geo::ReadPosition(word, p.Lat, p.Lon, why))
        throw InputError(why);
    return p;
}

std::string Lines(const std::vector<std::pair<std::string, std::string>>& lines)
{
    std::string out;
    for (const auto& [name, value] : lines)
        out += name + ": " + geo::ShownText(value) + "\n";
    return out;
}

int Run(Arguments& args, const std::vector<std::string>& words, const std::function<void(std::string& out)>& body,
        std::string& out, std::string& err)
{
    out.clear();
    err.clear();
    try {
        args.Parse(words);
        body(out);
        return 0;
    } catch (const InputError& e) {
        out.clear();
        err = args.Program() + ": " + e.what() + "\n" + args.Usage() + "\n";
        return 2;
    }
}

} // namespace cli
