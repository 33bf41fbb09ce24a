#include "ebbflow/tables/command_line.h"

#include "ebbflow/tables/command_output.h"
#include "ebbflow/core/station_search.h"
#include "ebbflow/core/text_fold.h"
#include "ebbflow/tables/tide_days.h"
#include "ebbflow/core/tide_errors.h"
#include "geo/shown_text.h"
#include "platform/command_line/suite_options.h"
#include "timezones/time_errors.h"
#include "timezones/time_text.h"

#include <chrono>

namespace ebbflow {
namespace {

constexpr char Streams[] = "STR";
constexpr int MostDays = 1461; // four years, the longest span predicted at once

const cli::Option StationOption{"--station", "NAME"};
const cli::Option NearOption{"--near", "POSITION"};
const cli::Option FromOption{"--from", "DATE"};
const cli::Option DaysOption{"--days", "N"};
const cli::Option ZoneOption{"--zone", "Z"};
const cli::Option UnitsOption{"--units", "ft|m"};
const cli::Option AtOption{"--at", "TIME"};

HeightUnits UnitsOf(const cli::Arguments& args, bool stream)
{
    const std::optional<std::string> text = args.Value(UnitsOption.Name);
    if (!text)
        return HeightUnits::Station;
    if (stream)
        throw cli::InputError("--units is for heights; streams are given in knots");
    if (*text == "ft")
        return HeightUnits::Feet;
    if (*text == "m")
        return HeightUnits::Metres;
    throw cli::InputError("--units takes ft or m, not '" + geo::ShownText(*text) + "'");
}

// The station by name among the mode's kind; a name that only a station
// of the other kind holds says which mode predicts it.
StationChoice ByName(const TideDatabase& db, const std::string& name, bool stream)
{
    const KindFilter own = stream ? KindFilter::Current : KindFilter::Tide;
    try {
        return {&FindStation(db, name, own), std::nullopt};
    } catch (const StationSearchError& e) {
        const std::string key = SearchKey(name);
        for (const Station* s : ListStations(db, own))
            if (SearchKey(s->Name).find(key) != std::string::npos)
                throw cli::InputError(e.what()); // several of its own kind
        const Station* other = nullptr;
        try {
            other = &FindStation(db, name, stream ? KindFilter::Tide : KindFilter::Current);
        } catch (const StationSearchError&) {
            throw cli::InputError(e.what());
        }
        throw cli::InputError(other->Name + (stream ? " is a tide station: ebbflow without STR predicts it"
                                                    : " is a tidal-stream station: ebbflow STR predicts it"));
    }
}

StationChoice StationOf(const cli::Arguments& args, const TideDatabase& db, bool stream)
{
    const std::optional<std::string> name = args.Value(StationOption.Name), near = args.Value(NearOption.Name);
    if (name && near)
        throw cli::InputError("give --station or --near, not both");
    if (!name && !near)
        throw cli::InputError("which station? Give --station NAME or --near POSITION");
    if (name)
        return ByName(db, *name, stream);
    const cli::Position p = cli::PositionOf(*near);
    const NearStation found = NearestStation(db, p.Lat, p.Lon, stream ? KindFilter::Current : KindFilter::Tide);
    return {found.Found, NearBy{p.Lat, p.Lon, found.DistanceNm, found.CourseDeg}};
}

timezones::CivilDate FromOf(const cli::Arguments& args, const timezones::Zone& zone, double now)
{
    const std::optional<std::string> text = args.Value(FromOption.Name);
    return text ? timezones::ParseDate(*text) : DateIn(zone, now);
}

// --at's instant: with its offset, or on the zone's clock (of the day
// --from gives, for a time of day alone).
double AtOf(const std::string& text, const timezones::Zone& zone, timezones::CivilDate day)
{
    const std::size_t t = text.find('T');
    if (t == std::string::npos)
        return static_cast<double>(
            zone.ToUtc(timezones::ParseLocalDateTime(timezones::FormatDate(day) + "T" + text), timezones::LocalChoice::Refuse));
    if (text.find_first_of("Z+-", t) != std::string::npos)
        return timezones::ParseInstant(text);
    return static_cast<double>(zone.ToUtc(timezones::ParseLocalDateTime(text), timezones::LocalChoice::Refuse));
}

void Answer(const cli::Arguments& args, const CommandLineWorld& world, std::string& out)
{
    const std::vector<std::string>& operands = args.Operands();
    if (operands.size() > 1 || (operands.size() == 1 && operands[0] != Streams))
        throw cli::InputError("the only word beside the options is STR, for tidal streams; '" +
                              geo::ShownText(operands.back()) + "' is none");
    const bool stream = operands.size() == 1;
    const HeightUnits units = UnitsOf(args, stream);
    const int days = cli::WholeNumberOf(args, DaysOption, 1, 1, MostDays, "days");
    const std::optional<std::string> at = args.Value(AtOption.Name);
    if (at && args.Value(DaysOption.Name))
        throw cli::InputError("--at gives one time; --days is for events");
    const TideDatabase& db = world.Data();
    const StationChoice found = StationOf(args, db, stream);
    const std::optional<std::string> zoneText = args.Value(ZoneOption.Name);
    const timezones::Zone zone =
        zoneText ? timezones::ParseZoneArgument(*zoneText, found.Chosen->Longitude) : StationZone(*found.Chosen);
    const timezones::CivilDate from = FromOf(args, zone, world.Now());
    const bool json = args.Flag(cli::JsonOption.Name);
    if (at) {
        const double utc = AtOf(*at, zone, from);
        const Reading reading = PredictAt(db, *found.Chosen, utc, units);
        out = json ? ReadingJson(*found.Chosen, units, zone, utc, reading)
                   : ReadingLines(db, found, units, zone, utc, reading);
        return;
    }
    const UtcSpan span = UtcSpanOf(zone, from, days);
    const std::vector<TideEvent> events = PredictEvents(db, *found.Chosen, span.From, span.To, units);
    out = json ? EventsJson(*found.Chosen, units, zone, events) : EventsLines(db, found, units, zone, span, events);
}

} // namespace

bool OpensWindow(const std::vector<std::string>& words)
{
    return words.empty() || (words.size() == 1 && words[0] == Streams);
}

CommandLineWorld SystemWorld()
{
    return {[]() -> const TideDatabase& {
                static const TideDatabase db = TideDatabase::Open();
                return db;
            },
            [] {
                using namespace std::chrono;
                return duration<double>(system_clock::now().time_since_epoch()).count();
            }};
}

int RunCommandLine(const std::vector<std::string>& words, std::string& out, std::string& err,
                   const CommandLineWorld& world)
{
    cli::Arguments args("ebbflow",
                        {cli::JsonOption, StationOption, NearOption, FromOption, DaysOption, ZoneOption, UnitsOption,
                         AtOption},
                        "[STR]");
    try {
        return cli::Run(args, words, [&](std::string& result) {
            try {
                Answer(args, world, result);
            } catch (const StationSearchError& e) {
                throw cli::InputError(e.what());
            } catch (const PredictionError& e) {
                throw cli::InputError(e.what());
            } catch (const timezones::TimeError& e) {
                throw cli::InputError(e.what());
            }
        }, out, err);
    } catch (const TideDataError& e) {
        out.clear();
        err = args.Program() + ": " + e.what() + "\n";
        return 1;
    }
}

int RunCommandLine(const std::vector<std::string>& words, std::string& out, std::string& err)
{
    return RunCommandLine(words, out, err, SystemWorld());
}

} // namespace ebbflow
