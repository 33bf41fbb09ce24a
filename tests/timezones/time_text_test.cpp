// Dates, instants and durations as the command lines write and read them;
// the calendar under them against Python's date arithmetic.
#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "timezones/zone_files.h"

#include <gtest/gtest.h>

#include "program_output.h"
#include "test_texts.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace timezones;
using testtexts::WhatOf;

TEST(Calendar, DaysFromCivilAgreeWithPythonAndGoBack)
{
    const CivilDate dates[] = {{1, 1, 1},     {1600, 1, 1},   {1600, 2, 29}, {1700, 3, 1},
                               {1900, 2, 28}, {1969, 12, 31}, {1970, 1, 1},  {2000, 2, 29},
                               {2026, 12, 9}, {3999, 12, 31}, {9999, 12, 31}};
    std::string script = "from datetime import date\nfor d in [";
    for (const CivilDate& d : dates)
        script += "(" + std::to_string(d.Year) + "," + std::to_string(d.Month) + "," + std::to_string(d.Day) + "),";
    script += "]: print(date(*d).toordinal() - date(1970, 1, 1).toordinal())";
    std::string ours;
    for (const CivilDate& d : dates)
        ours += std::to_string(DaysFromCivil(d)) + "\n";
    EXPECT_EQ(ours, testsupport::ProgramOutput("/usr/bin/python3 -c '" + script + "'"));

    // Every day of the years -32767 .. 32767 goes round, one after another.
    const std::int64_t first = DaysFromCivil({-32767, 1, 1}), last = DaysFromCivil({32767, 12, 31});
    CivilDate previous = CivilFromDays(first - 1);
    for (std::int64_t day = first; day <= last; ++day) {
        const CivilDate date = CivilFromDays(day);
        ASSERT_TRUE(IsValidDate(date) && date > previous && DaysFromCivil(date) == day) << day;
        previous = date;
    }
    EXPECT_EQ(DaysFromCivil({0, 3, 1}), -719468);
    EXPECT_EQ(WeekdayFromDays(DaysFromCivil({2026, 12, 9})), 3); // a Wednesday
}

TEST(TimeTexts, InstantsRoundOnceAndCarryIntoTheNextDay)
{
    const Zone utc = Zone::Utc(), london = LoadZone("Europe/London");
    const Zone kathmandu = LoadZone("Asia/Kathmandu"), zd = Zone::Nautical(-67.5);
    const double dec9 = ParseInstant("2026-12-09T08:01:23Z");
    const double midnight = ParseInstant("2027-01-01T00:00:00Z");
    const struct {
        double utc;
        const Zone& zone;
        const char* iso;
    } cases[] = {
        {dec9, utc, "2026-12-09T08:01:23+00:00"},
        {dec9 + 0.4999, utc, "2026-12-09T08:01:23+00:00"},
        {dec9 + 0.5, utc, "2026-12-09T08:01:24+00:00"},
        {midnight - 0.6, utc, "2026-12-31T23:59:59+00:00"},
        {midnight - 0.4, london, "2027-01-01T00:00:00+00:00"}, // 23:59:59.6: the next day's date
        {midnight - 0.5, london, "2027-01-01T00:00:00+00:00"},
        {midnight - 0.6, kathmandu, "2027-01-01T05:44:59+05:45"},
        {midnight - 0.4, zd, "2026-12-31T19:00:00-05:00"},
        // 00:59:59.6 UTC is British summer time once rounded.
        {ParseInstant("2026-03-29T00:59:59.6Z"), london, "2026-03-29T02:00:00+01:00"},
        {-0.5, utc, "1970-01-01T00:00:00+00:00"},
        {-0.6, utc, "1969-12-31T23:59:59+00:00"},
        {ParseInstant("1800-01-01T00:00:00Z"), london, "1799-12-31T23:58:45-00:01:15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatIso(c.utc, c.zone), c.iso) << c.iso;
    EXPECT_EQ(FormatIsoUtc(midnight - 0.5), "2027-01-01T00:00:00Z");
    EXPECT_EQ(FormatIsoUtc(ParseInstant("9999-12-31T23:59:59.4Z")), "9999-12-31T23:59:59Z");
    EXPECT_EQ(WhatOf([&] { FormatIsoUtc(ParseInstant("9999-12-31T23:59:59.5Z")); }),
              "The instant is outside the years 0000 to 9999");
    EXPECT_EQ(WhatOf([&] { FormatIso(std::nan(""), utc); }), "The instant is outside the years 0000 to 9999");
    EXPECT_EQ(WhatOf([&] { FormatIso(ParseInstant("0000-01-01T00:00:00Z"), zd); }),
              "The instant is outside the years 0000 to 9999");
}

TEST(TimeTexts, Durations)
{
    const struct {
        double seconds;
        const char* text;
    } cases[] = {{0, "00:00:00"},    {59.5, "00:01:00"},   {82800, "23:00:00"},          {90000.5, "25:00:01"},
                 {-0.4, "00:00:00"}, {-3661, "-01:01:01"}, {3600.0 * 1000, "1000:00:00"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatDuration(c.seconds), c.text) << c.seconds;
    EXPECT_EQ(WhatOf([] { FormatDuration(std::numeric_limits<double>::infinity()); }),
              "The duration is not a number of seconds up to 10^12");
}

TEST(TimeTexts, ParsedInstantsAgreeWithPython)
{
    const char* const texts[] = {"2026-12-09T08:01:23Z",      "2026-12-09T08:01Z",
                                 "2026-03-29T02:30:00+01:00", "2027-06-15T06:30:15.25-04:00",
                                 "1600-01-01T00:00:00+05:45", "1969-12-31T23:59:59.25Z",
                                 "2026-12-09T08:01:23-00:00"};
    std::string script = "from datetime import datetime\nfor t in [";
    std::string ours;
    for (const char* text : texts) {
        script += "\"" + std::string(text) + "\",";
        ours += std::to_string(ParseInstant(text)) + "\n";
    }
    script += "]: print(\"%f\" % datetime.fromisoformat(t.replace(\"Z\", \"+00:00\")).timestamp())";
    EXPECT_EQ(ours, testsupport::ProgramOutput("/usr/bin/python3 -c '" + script + "'"));
    EXPECT_EQ(ParseDate("2028-02-29"), (CivilDate{2028, 2, 29}));
    EXPECT_EQ(ParseLocalDateTime("2026-10-25T01:30"), AtTime({2026, 10, 25}, 1, 30, 0));
}

TEST(TimeTexts, RefusalsSayWhatIsWrong)
{
    const struct {
        CivilDate (*parse)(std::string_view);
        const char* text;
        const char* message;
    } dates[] = {
        {ParseDate, "2027-02-29", "'2027-02-29' is not a date: February 2027 has 28 days"},
        {ParseDate, "2026-04-31", "'2026-04-31' is not a date: April 2026 has 30 days"},
        {ParseDate, "2026-13-01", "'2026-13-01' is not a date: there is no month 13"},
        {ParseDate, "2026-00-10", "'2026-00-10' is not a date: there is no month 00"},
        {ParseDate, "2026-1-01", "'2026-1-01' is not a date: write it as YYYY-MM-DD"},
        {ParseDate, "2026-01-01T", "'2026-01-01T' is not a date: write it as YYYY-MM-DD"},
        {ParseDate, "", "'' is not a date: write it as YYYY-MM-DD"},
    };
    for (const auto& c : dates)
        EXPECT_EQ(WhatOf([&] { c.parse(c.text); }), c.message) << c.text;

    const std::string shape = " is not an instant: write it as YYYY-MM-DDThh:mm[:ss[.fff]] and Z or an offset "
                              "such as +01:00";
    const struct {
        const char* text;
        std::string message;
    } instants[] = {
        {"2026-12-09T08:01:23", "'2026-12-09T08:01:23' does not say its zone: end it with Z for UTC or an offset "
                                "such as +01:00"},
        {"2026-12-09T24:00Z", "'2026-12-09T24:00Z' is not a time: the hour must be 00 to 23"},
        {"2026-12-09T08:60Z", "'2026-12-09T08:60Z' is not a time: the minutes must be 00 to 59"},
        {"2016-12-31T23:59:60Z",
         "'2016-12-31T23:59:60Z' is not a time: the seconds must be 00 to 59 (civil time counts no leap second)"},
        {"2026-12-09T08:01+24:00", "'2026-12-09T08:01+24:00' is not an instant: the offset's hours must be 00 to 23"},
        {"2026-12-09T08:01+01:60", "'2026-12-09T08:01+01:60' is not an instant: the offset's minutes must be 00 to 59"},
        {"2026-12-09T08:01:02.1234567890Z",
         "'2026-12-09T08:01:02.1234567890Z' is not an instant: a second has at most nine decimals here"},
        {"2026-02-30T08:01Z", "'2026-02-30T08:01Z' is not a date: February 2026 has 28 days"},
        {"2026-12-09 08:01Z", "'2026-12-09 08:01Z'" + shape},
        {"2026-12-09T08:01:02.Z", "'2026-12-09T08:01:02.Z'" + shape},
        {"2026-12-09T08:01+0100", "'2026-12-09T08:01+0100'" + shape},
        {"2026-12-09T08:01Zulu", "'2026-12-09T08:01Zulu'" + shape},
        {"0000-01-01T00:30+01:00", "The instant is outside the years 0000 to 9999"},
    };
    for (const auto& c : instants)
        EXPECT_EQ(WhatOf([&] { ParseInstant(c.text); }), c.message) << c.text;
    EXPECT_EQ(WhatOf([] { ParseLocalDateTime("2026-10-25T01:30Z"); }),
              "'2026-10-25T01:30Z' is not a local time: give it without decimals or zone, as YYYY-MM-DDThh:mm[:ss]");
}

} // namespace
