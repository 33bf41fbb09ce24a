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
        const int count = cli::WholeNumberOf(args, DaysOption, 1, 1, MaxDays, "days");
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
