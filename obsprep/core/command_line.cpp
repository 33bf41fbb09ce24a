#include "obsprep/core/command_line.h"

#include "celpos/core/angle_texts.h"
#include "celpos/core/command_options.h"
#include "geo/position_text.h"
#include "geo/shown_text.h"
#include "obsprep/core/plan_json.h"
#include "obsprep/core/plan_texts.h"
#include "platform/command_line/suite_options.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"

#include <algorithm>

namespace obsprep {
namespace {

const cli::Option TimeOption{"--time", "TIME"};
const cli::Option DrTimeOption{"--dr-time", "HH:MM[:SS]"};
const cli::Option CourseOption{"--course", "DEG"};
const cli::Option SpeedOption{"--speed", "KN"};
const cli::Option TwilightOption{"--twilight", "morning|evening"};
const cli::Option OrderOption{"--order", "brightness|azimuth"};
const cli::Option StarsOption{"--stars", "3|5"};

// The columns of the plain table (8-bit characters).
constexpr std::size_t ColumnWidths[] = {16, 10, 8, 6};

bool IsDigits(const std::string& text, std::size_t from, std::size_t count)
{
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

double NumberOf(const cli::Arguments& args, const cli::Option& option, const char* what)
{
    const std::optional<std::string> text = args.Value(option.Name);
    if (!text) return 0;
    try {
        return celpos::ReadDecimal(*text, what);
    } catch (const std::runtime_error& e) {
        throw cli::InputError(geo::ShownText(e.what()));
    }
}

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string TableRow(const std::vector<std::string>& cells)
{
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i)
        row += i < std::size(ColumnWidths) ? Padded(cells[i], ColumnWidths[i]) : cells[i];
    while (!row.empty() && row.back() == ' ')
        row.pop_back();
    return geo::Utf8Text(row) + "\n";
}

std::string PlainText(const Plan& plan, geo::AngleFormat format)
{
    Lines lines = TwilightLines(plan);
    const Lines list = ListLines(plan, format);
    lines.insert(lines.end(), list.begin(), list.end());
    std::string out = cli::Lines(lines);
    if (!plan.Utc) return out;
    out += cli::Lines({{std::string("Bodies by ") + (plan.Asked.ListOrder == Order::Azimuth ? "azimuth" : "brightness"),
                        std::to_string(plan.Bodies.size())}});
    out += TableRow(ListHeadings());
    for (const std::vector<std::string>& row : ListRows(plan))
        out += TableRow(row);
    return out;
}

PlanRequest RequestOf(const cli::Arguments& args)
{
    if (args.Operands().size() != 2) throw cli::InputError("a DR position and a date, please: POSITION DATE");
    PlanRequest request;
    const cli::Position dr = cli::PositionOf(args.Operands()[0]);
    request.DrLatDeg = dr.Lat;
    request.DrLonDeg = dr.Lon;
    try {
        request.Date = timezones::ParseDate(args.Operands()[1]);
    } catch (const timezones::TimeError& e) {
        throw cli::InputError(geo::ShownText(e.what()));
    }
    if (const std::optional<std::string> time = args.Value(TimeOption.Name)) request.Utc = celpos::InstantOf(*time);
    if (const std::optional<std::string> time = args.Value(DrTimeOption.Name))
        request.DrSecondOfDay = TimeOfDayOf(DrTimeOption.Name, *time);
    request.CourseDeg = NumberOf(args, CourseOption, "The course");
    request.SpeedKn = NumberOf(args, SpeedOption, "The speed");
    request.When =
        cli::ChoiceOf(args, TwilightOption, {"morning", "evening"}, 1) == 0 ? Twilight::Morning : Twilight::Evening;
    request.ListOrder =
        cli::ChoiceOf(args, OrderOption, {"brightness", "azimuth"}, 0) == 0 ? Order::Brightness : Order::Azimuth;
    request.SetSize = cli::ChoiceOf(args, StarsOption, {"3", "5"}, 0) == 0 ? SmallSet : LargeSet;
    return request;
}

} // namespace

int TimeOfDayOf(const std::string& option, const std::string& text)
{
    const bool shape = (text.size() == 5 || text.size() == 8) && text[2] == ':' && IsDigits(text, 0, 2) &&
                       IsDigits(text, 3, 2) && (text.size() == 5 || (text[5] == ':' && IsDigits(text, 6, 2)));
    const int h = shape ? std::stoi(text.substr(0, 2)) : 0, m = shape ? std::stoi(text.substr(3, 2)) : 0,
              s = shape && text.size() == 8 ? std::stoi(text.substr(6, 2)) : 0;
    if (!shape || h > 23 || m > 59 || s > 59)
        throw cli::InputError(option + " takes a time of day, 00:00:00 to 23:59:59, not '" + geo::ShownText(text) +
                              "'");
    return h * timezones::SecondsPerHour + m * timezones::SecondsPerMinute + s;
}

int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    cli::Arguments args("obsprep",
                        {cli::JsonOption, TimeOption, DrTimeOption, CourseOption, SpeedOption, TwilightOption,
                         OrderOption, StarsOption, cli::FormatOption},
                        "POSITION DATE");
    return cli::Run(
        args, arguments,
        [&args](std::string& result) {
            const PlanRequest request = RequestOf(args);
            const geo::AngleFormat format = cli::FormatOf(args);
            try {
                const Plan plan = MakePlan(request);
                result = args.Flag(cli::JsonOption.Name) ? PlanJson(plan) : PlainText(plan, format);
            } catch (const PlanError& e) {
                throw cli::InputError(geo::ShownText(e.what()));
            } catch (const timezones::TimeError& e) {
                throw cli::InputError(geo::ShownText(e.what()));
            }
        },
        out, err);
}

} // namespace obsprep
