#include "platform/command_line/suite_options.h"

#include "geo/ellipsoid_definitions.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"

#include <algorithm>
#include <charconv>

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

int WholeNumberOf(const Arguments& args, const Option& option, int fallback, int lowest, int highest,
                  const std::string& unit)
{
    const std::optional<std::string> text = args.Value(option.Name);
    if (!text)
        return fallback;
    int value = 0;
    const bool digits = !text->empty() && std::ranges::all_of(*text, [](char c) { return c >= '0' && c <= '9'; });
    const auto read = std::from_chars(text->data(), text->data() + text->size(), value);
    if (!digits || read.ec != std::errc() || value < lowest || value > highest)
        throw InputError(option.Name + " takes a whole number of " + unit + " from " + std::to_string(lowest) + " to " +
                         std::to_string(highest) + ", not '" + geo::ShownText(*text) + "'");
    return value;
}

std::size_t ChoiceOf(const Arguments& args, const Option& option, const std::vector<std::string>& choices,
                     std::size_t fallback)
{
    const std::optional<std::string> text = args.Value(option.Name);
    if (!text)
        return fallback;
    const auto found = std::ranges::find(choices, *text);
    if (found == choices.end())
        throw InputError(option.Name + " takes " + option.Value + ", not '" + geo::ShownText(*text) + "'");
    return static_cast<std::size_t>(found - choices.begin());
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
