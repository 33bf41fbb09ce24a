// The command line as scripts meet it: its JSON read back by Python's json
// module with every time held against Python's zoneinfo, its plain texts,
// and its refusals.
#include "ebbflow/tables/command_line.h"
#include "ebbflow/core/prediction.h"
#include "ebbflow/core/station_search.h"
#include "geo/position_text.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using namespace ebbflow;

const TideDatabase& Db()
{
    static const TideDatabase db = TideDatabase::Open();
    return db;
}

constexpr double March10th2024 = 1710054000; // 2024-03-10T07:00:00Z, 03:00 EDT, 21:00 HST the day before

CommandLineWorld At(double now)
{
    return {[]() -> const TideDatabase& { return Db(); }, [now] { return now; }};
}

struct Outcome {
    int status = 0;
    std::string out, err;
};

Outcome Ebbflow(const std::vector<std::string>& words, double now = March10th2024)
{
    Outcome o;
    o.status = RunCommandLine(words, o.out, o.err, At(now));
    return o;
}

// What Python reads in `json`: the top keys, the station's keys and
// values, and for each event (and the reading) its keys and whether its
// time is the instant's ISO text on the clock of `zone` ("UTC", "-05:00"
// or a zoneinfo name) as zoneinfo has it.
std::string PythonReads(const std::string& json, const std::string& zone)
{
    const std::string stem = (std::filesystem::temp_directory_path() / ("ebbflow-cli-" + std::to_string(getpid()))).string();
    const std::string file = stem + ".json", script = stem + ".py";
    std::ofstream(file) << json;
    std::ofstream(script) << R"(
import json, sys
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo
doc = json.load(open(sys.argv[1]))
z = sys.argv[2]
if z == 'UTC': tz = timezone.utc
elif z[0] in '+-': tz = timezone((1 if z[0] == '+' else -1) * timedelta(hours=int(z[1:3]), minutes=int(z[4:6])))
else: tz = ZoneInfo(z)
print(*doc.keys())
print(*doc['station'].keys())
print(*(json.dumps(v) for v in doc['station'].values()))
for e in doc['events'] + ([doc['at']] if 'at' in doc else []):
    t = datetime.fromisoformat(e['time'])
    print(*e.keys(), 'ok' if t.astimezone(tz).isoformat() == e['time'] else 'not ' + t.astimezone(tz).isoformat())
)";
    const std::string read = testsupport::ProgramOutput("/usr/bin/python3 " + script + " " + file + " '" + zone + "'");
    std::remove(file.c_str());
    std::remove(script.c_str());
    return read;
}

TEST(CommandLine, JsonIsTheContractScriptsRead)
{
    const std::string tideKeys = "station events\nname kind latitude_deg longitude_deg datum units zone\n";
    const struct {
        std::vector<std::string> words;
        std::string zone;    // the clock the times are on
        std::string station; // the station's values as Python reads them
        std::string event;   // the keys of every event, each line
        std::size_t events;
    } cases[] = {
        // The day the clocks go forward: 23 hours, EST then EDT.
        {{"--json", "--station", "the battery", "--from", "2024-03-10"}, "America/New_York",
         "\"The Battery, New York Harbor, New York\" \"reference_tide\" 40.70056 -74.01417 \"Mean Lower Low Water\" \"ft\" \"America/New_York\"",
         "time kind height ok", 4},
        // ... and back: 25 hours.
        {{"--json", "--station", "The Battery, New York Harbor, New York", "--from", "2024-11-03", "--units", "m"},
         "America/New_York",
         "\"The Battery, New York Harbor, New York\" \"reference_tide\" 40.70056 -74.01417 \"Mean Lower Low Water\" \"m\" \"America/New_York\"",
         "time kind height ok", 4},
        // A subordinate station, with its reference's datum; today on Hawaii's clock is still the 9th.
        {{"--json", "--station", "makena"}, "Pacific/Honolulu",
         "\"Makena, Maui Island, Hawaii\" \"subordinate_tide\" 20.6567 -156.445 \"Mean Lower Low Water\" \"ft\" \"Pacific/Honolulu\"",
         "time kind height ok", 4},
        {{"--json", "--near", "21.3 -157.87", "--from", "2024-07-01", "--days", "2", "--zone", "UTC"}, "UTC",
         "\"Honolulu, Honolulu Harbor, Oahu Island, Hawaii\" \"reference_tide\" 21.30669 -157.867 \"Mean Lower Low Water\" \"ft\" \"Pacific/Honolulu\"",
         "time kind height ok", 7}, // a mixed tide: one day of three events
        // Streams, knots squared: speeds and directions, none at slack.
        {{"--json", "STR", "--station", "Hell Gate (off Mill Rock)", "--from", "2024-03-10", "--zone", ":Europe/London"},
         "Europe/London",
         "\"Hell Gate (off Mill Rock), New York Current\" \"reference_current\" 40.77833 -73.93833 null \"kn\" \"America/New_York\"",
         "time kind speed_kn direction_deg ok", 0},
        {{"--json", "--zone", "ZT", "STR", "--near", "40.78 -73.94", "--from", "2024-03-10"}, "-05:00",
         "\"Mill Rock, west of, East River, New York Current\" \"subordinate_current\" 40.78 -73.94167 null \"kn\" \"America/New_York\"",
         "time kind speed_kn direction_deg ok", 0},
        // --at: no events, the reading.
        {{"--json", "--station", "Honolulu, Honolulu", "--at", "2024-03-10T12:00", "--units", "m"}, "Pacific/Honolulu",
         "\"Honolulu, Honolulu Harbor, Oahu Island, Hawaii\" \"reference_tide\" 21.30669 -157.867 \"Mean Lower Low Water\" \"m\" \"Pacific/Honolulu\"",
         "time height ok", 1},
        {{"--json", "STR", "--station", "Baltimore Harbor Approach", "--at", "2024-03-10T14:30:15Z"}, "America/New_York",
         "\"Baltimore Harbor Approach (off Sandy Point), Maryland Current\" \"reference_current\" 39.013 -76.36833 null \"kn\" \"America/New_York\"",
         "time speed_kn ok", 1},
    };
    for (const auto& c : cases) {
        const Outcome o = Ebbflow(c.words);
        ASSERT_EQ(o.status, 0) << o.err;
        const std::string read = PythonReads(o.out, c.zone);
        const bool at = c.event.find("kind") == std::string::npos;
        std::string expected = (at ? "station events at\n" : "station events\n") + tideKeys.substr(tideKeys.find('\n') + 1) +
                               c.station + "\n";
        const std::size_t lines = static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
        ASSERT_GE(lines, 3u) << read;
        EXPECT_EQ(read.substr(0, expected.size()), expected) << o.out;
        std::size_t events = 0;
        for (std::size_t at = expected.size(); at < read.size(); at = read.find('\n', at) + 1, ++events)
            EXPECT_EQ(read.substr(at, read.find('\n', at) - at), c.event) << o.out;
        if (c.events > 0) {
            EXPECT_EQ(events, c.events) << o.out;
        } else {
            EXPECT_GE(events, 6u) << o.out; // a day of streams: slack waters and maxima
        }
        EXPECT_EQ(o.out.back(), '\n');
    }
}

// The numbers are the prediction's doubles, each written as the shortest
// decimal that reads back as it; directions are null at slack only.
TEST(CommandLine, JsonNumbersAreThePredictionsOwn)
{
    const Station& hellGate = FindStation(Db(), "Hell Gate (off Mill Rock)", KindFilter::Current);
    const double from = 1710028800, to = from + 86400; // 2024-03-10 in UTC
    const Outcome o = Ebbflow({"--json", "STR", "--station", "Hell Gate (off Mill Rock)", "--from", "2024-03-10", "--zone", "UTC"});
    ASSERT_EQ(o.status, 0) << o.err;
    std::string expected = "\"events\": [";
    for (const TideEvent& e : PredictEvents(Db(), hellGate, from, to)) {
        expected += std::string(expected.back() == '[' ? "" : ", ") + "{\"time\": \"";
        const auto kind = std::string(EventKindName(e.Kind));
        expected += testsupport::ProgramOutput("/usr/bin/python3 -c 'import datetime, sys; "
                                               "print(datetime.datetime.fromtimestamp(" + geo::DecimalText(e.Time) +
                                               ", datetime.timezone.utc).isoformat(), end=\"\")'");
        expected += "\", \"kind\": \"" + kind + "\", \"speed_kn\": " + geo::DecimalText(e.Value) +
                    ", \"direction_deg\": " + (e.Direction ? geo::DecimalText(*e.Direction) : "null") + "}";
        EXPECT_EQ(e.Direction.has_value(), e.Kind != EventKind::Slack);
    }
    EXPECT_NE(o.out.find(expected + "]}"), std::string::npos) << o.out << "\n" << expected;
}

TEST(CommandLine, PlainOutputIsTheWindowsTexts)
{
    const struct {
        std::vector<std::string> words;
        std::string out;
    } cases[] = {
        {{"--station", "The Battery, New York", "--from", "2024-03-10"},
         "Station: The Battery, New York Harbor, New York\n"
         "Kind: reference tide station\n"
         "Position: 40\u00b042'03 N 074\u00b000'85 W\n"
         "Datum: Mean Lower Low Water\n"
         "Times: America/New_York, EST (-05:00); EDT (-04:00) from Sun 2024-03-10 03:00\n"
         "Date            Time       Event       Height (ft above Mean Lower Low Water)\n"
         "Sun 2024-03-10  01:56 EST  Low water   -0.85 ft\n"
         "Sun 2024-03-10  08:55 EDT  High water  5.71 ft\n"
         "Sun 2024-03-10  15:24 EDT  Low water   -1.07 ft\n"
         "Sun 2024-03-10  21:21 EDT  High water  5.54 ft\n"
         "Tide data harmonics-dwf-20191229-free.tcd of 2019-12-29 12:43 EST (Public domain): not for navigation\n"},
        {{"STR", "--near", "40\u00b046'80 N 073\u00b056'40 W", "--from", "2024-03-10"},
         "Station: Mill Rock, west of, East River, New York Current\n"
         "Kind: subordinate tidal-stream station\n"
         "Position: 40\u00b046'80 N 073\u00b056'50 W\n"
         "Nearest to: 40\u00b046'80 N 073\u00b056'40 W: 0.08 nm away, course 270\u00b0\n"
         "Reference station: Hell Gate (off Mill Rock), New York Current\n"
         "Directions: flood 000\u00b0, ebb 180\u00b0\n"
         "Times: America/New_York, EST (-05:00); EDT (-04:00) from Sun 2024-03-10 03:00\n"
         "Date            Time       Event        Speed (kn)  Direction\n"
         "Sun 2024-03-10  04:13 EDT  Slack water\n"
         "Sun 2024-03-10  07:51 EDT  Max flood    1.6 kn      000\u00b0\n"
         "Sun 2024-03-10  10:48 EDT  Slack water\n"
         "Sun 2024-03-10  13:27 EDT  Max ebb      -1.0 kn     180\u00b0\n"
         "Sun 2024-03-10  16:40 EDT  Slack water\n"
         "Sun 2024-03-10  20:14 EDT  Max flood    1.6 kn      000\u00b0\n"
         "Sun 2024-03-10  23:08 EDT  Slack water\n"
         "Tide data harmonics-dwf-20191229-free.tcd of 2019-12-29 12:43 EST (Public domain): not for navigation\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = Ebbflow(c.words);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out, c.out);
    }
}

TEST(CommandLine, ReadingsSayWhatTheyReferTo)
{
    const struct {
        std::vector<std::string> words;
        std::string last; // the line before the notice
    } cases[] = {
        {{"--station", "Honolulu, Honolulu", "--at", "2024-03-10T12:00-10:00"},
         "Height: 0.07 ft below Mean Lower Low Water"},
        {{"STR", "--station", "Baltimore Harbor Approach", "--at", "2024-03-10T10:51:00", "--zone", "America/New_York"},
         "Stream: 0.8 kn ebb, 190\u00b0"},
    };
    for (const auto& c : cases) {
        const Outcome o = Ebbflow(c.words);
        ASSERT_EQ(o.status, 0) << o.err;
        const std::size_t notice = o.out.rfind("Tide data ");
        const std::size_t last = o.out.rfind('\n', notice - 2) + 1;
        EXPECT_EQ(o.out.substr(last, notice - 1 - last), c.last) << o.out;
    }
}

TEST(CommandLine, BadInputIsRefusedWithWhatIsWrong)
{
    const struct {
        std::vector<std::string> words;
        std::string message;
    } cases[] = {
        {{"--json"}, "which station? Give --station NAME or --near POSITION"},
        {{"--station", "x", "--near", "1 2"}, "give --station or --near, not both"},
        {{"--station", "Battery", "TIDES"}, "the only word beside the options is STR, for tidal streams; 'TIDES' is none"},
        {{"--station", "Battery", "STR", "STR"}, "the only word beside the options is STR, for tidal streams; 'STR' is none"},
        {{"--station", "The Battery", "--units", "yd"}, "--units takes ft or m, not 'yd'"},
        {{"STR", "--station", "Hell Gate", "--units", "m"}, "--units is for heights; streams are given in knots"},
        {{"--station", "The Battery", "--days", "0"}, "--days takes a whole number of days from 1 to 1461, not '0'"},
        {{"--station", "The Battery", "--days", "1462"}, "--days takes a whole number of days from 1 to 1461, not '1462'"},
        {{"--station", "The Battery", "--days", "2x"}, "--days takes a whole number of days from 1 to 1461, not '2x'"},
        {{"--station", "The Battery", "--at", "12:00", "--days", "2"}, "--at gives one time; --days is for events"},
        {{"--station", "Atlantis"}, "No station's name holds 'Atlantis'"},
        {{"--station", "Hell Gate (off"}, "Hell Gate (off Mill Rock), New York Current is a tidal-stream station: ebbflow STR predicts it"},
        {{"STR", "--station", "The Battery, New York Harbor"},
         "The Battery, New York Harbor, New York is a tide station: ebbflow without STR predicts it"},
        {{"--station", "kaunakakai"},
         "'kaunakakai' fits 2 stations: Kaunakakai Harbor, Molokai Island, Hawaii; Kaunakakai Harbor, Molokai Island, Hawaii (sub)"},
        {{"--near", "91 0"}, "'91 0' is off the globe (latitude -90..90, longitude -180..180)"},
        {{"--station", "The Battery", "--from", "2024-02-30"}, "'2024-02-30' is not a date: February 2024 has 29 days"},
        {{"--station", "The Battery", "--from", "2100-12-31", "--days", "2"},
         "The tide data cover the years 1700 to 2100; 2101 is not one of them"},
        {{"--station", "The Battery", "--zone", "Europe/Lundun"}, "There is no time zone Europe/Lundun in /usr/share/zoneinfo"},
        {{"--station", "The Battery", "--at", "2024-03-10T02:30"},
         "2024-03-10T02:30:00 does not exist in America/New_York: the clocks went forward from 02:00:00 to 03:00:00"},
        {{"--station", "The Battery", "--from", "2024-11-03", "--at", "01:30"},
         "2024-11-03T01:30:00 occurs twice in America/New_York: the clocks went back from 02:00:00 to 01:00:00"},
        {{"--station", "Makena", "--at", "12:00"},
         "Makena, Maui Island, Hawaii is a subordinate station: it is predicted at its high and low waters only"},
        {{"STR", "--near", "40.78 -73.94", "--at", "07:51"},
         "Mill Rock, west of, East River, New York Current is a subordinate station: it is predicted at its slack "
         "waters and strongest flood and ebb only"},
        {{"--station", "The Battery", "--tide"}, "unknown option '--tide'"},
    };
    for (const auto& c : cases) {
        const Outcome o = Ebbflow(c.words);
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err.substr(0, o.err.find('\n')), "ebbflow: " + c.message);
        EXPECT_NE(o.err.find("\nusage: ebbflow [--json] [--station NAME] [--near POSITION] [--from DATE] [--days N] "
                             "[--zone Z] [--units ft|m] [--at TIME] [STR]\n"),
                  std::string::npos);
    }
}

TEST(CommandLine, TideDataThatCannotBeReadEndsWithStatusOne)
{
    CommandLineWorld world{[]() -> const TideDatabase& {
                               static const TideDatabase missing = TideDatabase::Open("missing.tcd");
                               return missing;
                           },
                           [] { return March10th2024; }};
    std::string out, err;
    EXPECT_EQ(RunCommandLine({"--station", "x"}, out, err, world), 1);
    EXPECT_EQ(err, "ebbflow: The tide data could not be read from missing.tcd: No such file or directory\n");
    // The words open the window only when they are none, or STR alone.
    EXPECT_TRUE(OpensWindow({}));
    EXPECT_TRUE(OpensWindow({"STR"}));
    EXPECT_FALSE(OpensWindow({"STR", "--station", "x"}));
    EXPECT_FALSE(OpensWindow({"--json"}));
}

} // namespace
