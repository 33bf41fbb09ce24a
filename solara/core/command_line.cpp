#include "solara/core/command_line.h"

#include "geo/shown_text.h"
#include "platform/command_line/suite_options.h"
#include "solara/core/day_json.h"
#include "solara/core/day_texts.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "timezones/zone_files.h"

#include <algorithm>

namespace solara {
namespace {

const cli::Option ZoneOption{"--zone", "UTC|ZT|AREA/CITY"};
const cli::Option HeightOption{"--height-of-eye", "M"};
const cli::Option DaysOption{"--days", "N"};

int DaysOf(const cli::Arguments& args)
{
    const std::optional<std::string> text = args.Value(DaysOption.Name);
    if (!text)
        return 1;
    const bool digits = !text->empty() && text->size() <= 3 &&
                        std::ranges::all_of(*text, [](char c) { return c >= '0' && c <= '9'; });
    const int days = digits ? std::stoi(*text) : 0;
    if (days < 1 || days > MaxDays)
        throw cli::InputError("--days takes a whole number of days from 1 to 366, not '" + geo::ShownText(*text) + "'");
    return days;
}

std::string PlainText(const timezones::Zone& zone, const std::vector<AlmanacDay>& days)
{
    std::string out = cli::Lines({{"Time zone", zone.Name()}});
    for (const AlmanacDay& day : days) {
        if (&day != &days.front())
            out += '\n';
        Lines lines = DayLines(day, zone);
        lines.insert(lines.begin(), {"Date", timezones::FormatDate(day.Date)});
        out += cli::Lines(lines);
    }
    return out;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("solara", {cli::JsonOption, ZoneOption, HeightOption, DaysOption}, "POSITION DATE");
    return cli::Run(args, arguments, [&args](std::string& result) {
        if (args.Operands().size() != 2)
            throw cli::InputError("a position and a date, please: POSITION DATE");
        const cli::Position position = cli::PositionOf(args.Operands()[0]);
        const int count = DaysOf(args);
        try {
            const double height = ParseHeightOfEye(args.Value(HeightOption.Name).value_or("0"));
            const timezones::CivilDate date = timezones::ParseDate(args.Operands()[1]);
            const timezones::Zone zone = timezones::ParseZoneArgument(args.Value(ZoneOption.Name).value_or("UTC"), position.Lon);
            const std::vector<AlmanacDay> days = DaysFrom(ObserverAt(position.Lat, position.Lon, height), zone, date, count);
            result = args.Flag(cli::JsonOption.Name) ? DaysJson(zone, days) : PlainText(zone, days);
        } catch (const AlmanacError& e) {
            throw cli::InputError(geo::ShownText(e.what()));
        } catch (const timezones::TimeError& e) {
            throw cli::InputError(geo::ShownText(e.what()));
        }
    }, out, err);
}

} // namespace solara
