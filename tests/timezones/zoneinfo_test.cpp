// The system's named zones against Python's zoneinfo, which reads the same
// files with code of its own: offsets, abbreviations and local times at
// instants, the instants of local times in gaps and folds, and the days on
// which the clocks change.
#include "timezones/time_text.h"
#include "timezones/zone_day.h"
#include "timezones/zone_files.h"

#include <gtest/gtest.h>

#include "program_output.h"

#include <algorithm>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace timezones;

const std::string Table = "/usr/bin/python3 " VORLAN_SOURCE_DIR "/tests/timezones/zoneinfo_table.py";

struct Query {
    const char* zone;
    const char* text;
    const char* length = nullptr; // of a day, as a table of events shows it
};

// One line of zoneinfo_table.py for each query of `kind`, in order.
std::vector<std::string> Zoneinfo(const char* kind, std::span<const Query> queries)
{
    std::string command = Table;
    for (const Query& q : queries)
        command += std::string(" '") + kind + "|" + q.zone + "|" + q.text + "'";
    std::istringstream output(testsupport::ProgramOutput(command));
    std::vector<std::string> lines;
    for (std::string line; std::getline(output, line);)
        lines.push_back(line);
    EXPECT_EQ(lines.size(), queries.size()) << command;
    lines.resize(queries.size());
    return lines;
}

// Both sides of each change: 2026 and 2027 in Europe and the US, the half
// hour of Lord Howe, +05:45, Dublin's winter "summer time" below standard,
// the day Samoa skipped, the footer's rules in 2090 (explicit transitions
// end in 2037; Casablanca's in 2087), and before the first transition.
const Query AtInstants[] = {
    {"Europe/London", "2026-03-29T00:59:59Z"},       {"Europe/London", "2026-03-29T01:00:00Z"},
    {"Europe/London", "2026-10-25T00:59:59Z"},       {"Europe/London", "2026-10-25T01:00:00Z"},
    {"Europe/London", "2027-03-28T00:59:59Z"},       {"Europe/London", "2027-03-28T01:00:00Z"},
    {"Europe/London", "2027-10-31T00:59:59Z"},       {"Europe/London", "2027-10-31T01:00:00Z"},
    {"Europe/London", "2090-03-26T00:59:59Z"},       {"Europe/London", "2090-03-26T01:00:00Z"},
    {"Europe/London", "2090-10-29T01:00:00Z"},       {"Europe/London", "1800-01-01T00:00:00Z"},
    {"Europe/Paris", "2026-03-29T00:59:59Z"},        {"Europe/Paris", "2027-10-31T01:00:00Z"},
    {"America/New_York", "2026-03-08T06:59:59Z"},    {"America/New_York", "2026-03-08T07:00:00Z"},
    {"America/New_York", "2026-11-01T05:59:59Z"},    {"America/New_York", "2026-11-01T06:00:00Z"},
    {"America/New_York", "2027-03-14T07:00:00Z"},    {"America/New_York", "2027-11-07T05:59:59Z"},
    {"America/New_York", "2090-03-12T06:59:59Z"},    {"America/New_York", "2090-11-05T06:00:00Z"},
    {"America/New_York", "1850-06-01T12:00:00Z"},    {"Australia/Lord_Howe", "2026-04-04T14:59:59Z"},
    {"Australia/Lord_Howe", "2026-04-04T15:00:00Z"}, {"Australia/Lord_Howe", "2026-10-03T15:29:59Z"},
    {"Australia/Lord_Howe", "2026-10-03T15:30:00Z"}, {"Australia/Lord_Howe", "2090-09-30T15:30:00Z"},
    {"Asia/Kathmandu", "1985-12-31T18:29:59Z"},      {"Asia/Kathmandu", "1985-12-31T18:30:00Z"},
    {"Asia/Kathmandu", "2090-06-01T00:00:00Z"},      {"Asia/Kathmandu", "1900-01-01T00:00:00Z"},
    {"Europe/Dublin", "2026-03-29T00:59:59Z"},       {"Europe/Dublin", "2026-03-29T01:00:00Z"},
    {"Europe/Dublin", "2026-10-25T01:00:00Z"},       {"Europe/Dublin", "2090-12-25T12:00:00Z"},
    {"Europe/Dublin", "2090-06-21T12:00:00Z"},       {"Pacific/Apia", "2011-12-30T09:59:59Z"},
    {"Pacific/Apia", "2011-12-30T10:00:00Z"},        {"Pacific/Apia", "2090-01-01T00:00:00Z"},
    {"America/Santiago", "2090-04-02T02:59:59Z"},    {"America/Santiago", "2090-09-03T04:00:00Z"},
    {"Asia/Jerusalem", "2090-03-24T00:00:00Z"},      {"Asia/Jerusalem", "2090-10-28T22:59:59Z"},
    {"America/Nuuk", "2090-03-26T00:59:59Z"},        {"America/Nuuk", "2090-03-26T01:00:00Z"},
    {"Pacific/Chatham", "2090-04-01T14:00:00Z"},     {"Pacific/Chatham", "2090-09-23T13:59:59Z"},
    {"Africa/Casablanca", "2087-05-11T02:00:00Z"},   {"Africa/Casablanca", "2095-01-01T00:00:00Z"},
    {"America/Sao_Paulo", "2090-01-01T00:00:00Z"},   {"Etc/GMT+5", "2026-06-01T00:00:00Z"},
};

TEST(Zones, OffsetsAbbreviationsAndLocalTimesAsZoneinfoGivesThem)
{
    const std::vector<std::string> expected = Zoneinfo("at", AtInstants);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Zone zone = LoadZone(AtInstants[i].zone);
        const auto s = static_cast<UtcSeconds>(ParseInstant(AtInstants[i].text));
        const LocalType type = zone.TypeAt(s);
        EXPECT_EQ(std::to_string(s) + " " + std::to_string(type.UtcOffset) + " " + type.Abbreviation + " " +
                      FormatLocalDateTime(zone.LocalTimeOf(s)),
                  expected[i])
            << AtInstants[i].zone << " " << AtInstants[i].text;
    }
}

// Local times in and beside the gaps and folds, in both directions of DST
// and over the day Samoa skipped.
const Query LocalTimes[] = {
    {"Europe/London", "2026-03-29T00:59:59"},       {"Europe/London", "2026-03-29T01:00:00"},
    {"Europe/London", "2026-03-29T01:30:00"},       {"Europe/London", "2026-03-29T02:00:00"},
    {"Europe/London", "2026-10-25T00:59:59"},       {"Europe/London", "2026-10-25T01:00:00"},
    {"Europe/London", "2026-10-25T01:59:59"},       {"Europe/London", "2026-10-25T02:00:00"},
    {"Europe/London", "2090-10-29T01:30:00"},       {"America/New_York", "2027-03-14T02:30:00"},
    {"America/New_York", "2027-11-07T01:30:00"},    {"Australia/Lord_Howe", "2026-04-05T01:45:00"},
    {"Australia/Lord_Howe", "2026-10-04T02:15:00"}, {"Europe/Dublin", "2026-10-25T01:30:00"},
    {"Pacific/Apia", "2011-12-30T12:00:00"},        {"Pacific/Apia", "2011-12-31T00:00:00"},
    {"America/Santiago", "2090-09-03T00:30:00"},    {"America/Havana", "2026-11-01T00:30:00"},
};

TEST(Zones, InstantsOfLocalTimesAsZoneinfoGivesThem)
{
    const std::vector<std::string> expected = Zoneinfo("local", LocalTimes);
    const char* const KindNames[] = {"unique", "gap", "fold"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const LocalTimeMapping m = LoadZone(LocalTimes[i].zone).Map(ParseLocalDateTime(LocalTimes[i].text));
        EXPECT_EQ(std::string(KindNames[static_cast<int>(m.Kind)]) + " " + std::to_string(m.Earlier) + " " +
                      std::to_string(m.Later),
                  expected[i])
            << LocalTimes[i].zone << " " << LocalTimes[i].text;
    }
}

// The days the clocks change, a plain day, and the day Samoa skipped, which
// starts and ends at one instant; the length is what a table of events
// shows.
const Query Days[] = {
    {"Europe/London", "2026-03-29", "23:00:00"},       {"Europe/London", "2026-10-25", "25:00:00"},
    {"Europe/London", "2027-03-28", "23:00:00"},       {"Europe/London", "2090-10-29", "25:00:00"},
    {"America/New_York", "2026-03-08", "23:00:00"},    {"America/New_York", "2027-11-07", "25:00:00"},
    {"Australia/Lord_Howe", "2026-04-05", "24:30:00"}, {"Australia/Lord_Howe", "2026-10-04", "23:30:00"},
    {"Pacific/Apia", "2011-12-29", "24:00:00"},        {"Pacific/Apia", "2011-12-30", "00:00:00"},
    {"America/Havana", "2026-03-08", "23:00:00"},      {"America/Santiago", "2090-09-03", "23:00:00"},
    {"Europe/London", "2026-06-01", "24:00:00"},
};

TEST(Zones, DaysOnChangesStartAndEndAsZoneinfoGivesThem)
{
    const std::vector<std::string> expected = Zoneinfo("day", Days);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DayBounds day = DayInZone(LoadZone(Days[i].zone), ParseDate(Days[i].text));
        EXPECT_EQ(std::to_string(day.Start) + " " + std::to_string(day.End), expected[i]) << Days[i].text;
        EXPECT_EQ(FormatDuration(static_cast<double>(day.Length())), Days[i].length) << Days[i].text;
    }
}

TEST(Zones, TheListHoldsTheZonesZoneinfoFinds)
{
    const std::vector<std::string> names = ZoneNames();
    std::istringstream available(testsupport::ProgramOutput(Table + " names"));
    std::vector<std::string> theirs;
    for (std::string line; std::getline(available, line);)
        theirs.push_back(line);
    std::sort(theirs.begin(), theirs.end());
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_GT(names.size(), 400u);
    for (const std::string& name : names)
        EXPECT_TRUE(std::binary_search(theirs.begin(), theirs.end(), name)) << name;
    for (const char* name : {"Europe/London", "America/New_York", "Pacific/Apia", "Asia/Kathmandu"})
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << name;
}

} // namespace
