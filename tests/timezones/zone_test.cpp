// Nautical zone time, the zone arguments of the command lines, and what a
// caller is told of local times that a change of the clocks skips or
// repeats.
#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "timezones/zone_day.h"
#include "timezones/zone_files.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cmath>
#include <limits>

namespace {

using namespace timezones;
using testtexts::WhatOf;

// ZD = -round(lon / 15), halves away from zero as the almanacs round; both
// sides of the date line are ZD +12, just short of 180° E is ZD -12.
TEST(NauticalZones, ZoneDescriptionsOfLongitudes)
{
    const struct {
        double lon;
        int zd;
        const char* text;
    } cases[] = {
        {0, 0, "ZD 0"},          {-0.0, 0, "ZD 0"},       {7.4999999, 0, "ZD 0"}, {7.5, -1, "ZD -1"},
        {-7.5, 1, "ZD +1"},      {22.5, -2, "ZD -2"},     {-22.5, 2, "ZD +2"},    {37.5, -3, "ZD -3"},
        {-67.5, 5, "ZD +5"},     {-71.2, 5, "ZD +5"},     {165, -11, "ZD -11"},   {172.5, -12, "ZD -12"},
        {-172.5, 12, "ZD +12"},  {179.99, -12, "ZD -12"}, {180, 12, "ZD +12"},    {-180, 12, "ZD +12"},
        {-179.99, 12, "ZD +12"}, {540, 12, "ZD +12"},     {367.5, -1, "ZD -1"},   {-352.5, -1, "ZD -1"},
    };
    const UtcSeconds noon = static_cast<UtcSeconds>(ParseInstant("2026-12-09T12:00:00Z"));
    for (const auto& c : cases) {
        EXPECT_EQ(NauticalZoneDifference(c.lon), c.zd) << c.lon;
        const Zone zone = Zone::Nautical(c.lon);
        EXPECT_EQ(zone.Name(), c.text) << c.lon;
        // UT = ZT + ZD.
        EXPECT_EQ(LocalSecondsOf(zone.LocalTimeOf(noon)) + c.zd * 3600, noon) << c.lon;
    }
    EXPECT_EQ(WhatOf([] { Zone::Nautical(std::nan("")); }), "The longitude is not a number; zone time needs one");
}

TEST(ZoneArguments, UtcZoneTimeAndNames)
{
    const struct {
        const char* text;
        std::optional<double> lon;
        const char* result; // the zone's name or the refusal
    } cases[] = {
        {"UTC", std::nullopt, "UTC"},
        {"ZT", -4.14, "ZD 0"},
        {"ZT", 151.2, "ZD -10"},
        {"Europe/London", std::nullopt, "Europe/London"},
        {":America/New_York", std::nullopt, "America/New_York"},
        {"Etc/GMT+5", std::nullopt, "Etc/GMT+5"},
        {"ZT", std::nullopt, "ZT needs the position's longitude"},
        {"Europe/Lundun", std::nullopt, "There is no time zone Europe/Lundun in /usr/share/zoneinfo"},
        {"../../etc/passwd", std::nullopt,
         "'../../etc/passwd' is not a time zone: give UTC, ZT or a name such as Europe/London"},
        {"/etc/passwd", std::nullopt, "'/etc/passwd' is not a time zone: give UTC, ZT or a name such as Europe/London"},
        {"Europe//London", std::nullopt,
         "'Europe//London' is not a time zone: give UTC, ZT or a name such as Europe/London"},
        {"Europe/London ", std::nullopt,
         "'Europe/London ' is not a time zone: give UTC, ZT or a name such as Europe/London"},
        {"", std::nullopt, "'' is not a time zone: give UTC, ZT or a name such as Europe/London"},
        {"zone.tab", std::nullopt,
         "The time zone could not be read from /usr/share/zoneinfo/zone.tab: it is not a TZif file: it does not "
         "begin with TZif"},
        {"Europe", std::nullopt,
         "The time zone could not be read from /usr/share/zoneinfo/Europe: it is not a regular file"},
    };
    for (const auto& c : cases) {
        std::string result;
        try {
            result = ParseZoneArgument(c.text, c.lon).Name();
        } catch (const TimeError& e) {
            result = e.what();
        }
        EXPECT_EQ(result, c.result) << c.text;
    }
    EXPECT_FALSE(IsZoneName(std::string(MaxZoneNameLength + 1, 'a')));
    EXPECT_FALSE(IsZoneName("-Europe"));
}

TEST(LocalTimes, GapsAndFoldsAreRefusedOnRequestOrChosen)
{
    const Zone london = LoadZone("Europe/London"), apia = LoadZone("Pacific/Apia");
    const struct {
        const Zone& zone;
        LocalDateTime local;
        const char* earlier;
        const char* later;
        const char* refusal;
    } cases[] = {
        {london, AtTime({2026, 3, 29}, 1, 30, 0), "2026-03-29T00:30:00Z", "2026-03-29T01:30:00Z",
         "2026-03-29T01:30:00 does not exist in Europe/London: the clocks went forward from 01:00:00 to 02:00:00"},
        {london, AtTime({2026, 10, 25}, 1, 30, 0), "2026-10-25T00:30:00Z", "2026-10-25T01:30:00Z",
         "2026-10-25T01:30:00 occurs twice in Europe/London: the clocks went back from 02:00:00 to 01:00:00"},
        {apia, AtTime({2011, 12, 30}, 12, 0, 0), "2011-12-29T22:00:00Z", "2011-12-30T22:00:00Z",
         "2011-12-30T12:00:00 does not exist in Pacific/Apia: the clocks went forward from 00:00:00 to "
         "2011-12-31T00:00:00"},
        {london, AtTime({2026, 10, 25}, 2, 0, 0), "2026-10-25T02:00:00Z", "2026-10-25T02:00:00Z", "no error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatIsoUtc(static_cast<double>(c.zone.ToUtc(c.local, LocalChoice::Earlier))), c.earlier);
        EXPECT_EQ(FormatIsoUtc(static_cast<double>(c.zone.ToUtc(c.local, LocalChoice::Later))), c.later);
        EXPECT_EQ(WhatOf([&] { c.zone.ToUtc(c.local, LocalChoice::Refuse); }), c.refusal);
    }
}

TEST(LocalTimes, OffsetChangesAreFoundAheadAndEveryTimeGoesRound)
{
    const Zone london = LoadZone("Europe/London");
    const auto at = [](const char* text) { return static_cast<UtcSeconds>(ParseInstant(text)); };
    EXPECT_EQ(london.NextOffsetChange(at("2026-01-01T00:00:00Z"), 366 * 86400), at("2026-03-29T01:00:00Z"));
    EXPECT_EQ(london.NextOffsetChange(at("2090-04-01T00:00:00Z"), 366 * 86400), at("2090-10-29T01:00:00Z"));
    EXPECT_EQ(london.NextOffsetChange(at("2026-04-01T00:00:00Z"), 86400), std::nullopt);
    EXPECT_EQ(LoadZone("Asia/Kathmandu").NextOffsetChange(at("1990-01-01T00:00:00Z"), 1000LL * 366 * 86400),
              std::nullopt);
    EXPECT_EQ(Zone::Utc().NextOffsetChange(0, 86400), std::nullopt);

    // Each hour of three years in zones of both hemispheres and a skipped
    // day: the local time of an instant maps back to it.
    for (const char* name : {"Europe/London", "Australia/Lord_Howe", "Pacific/Apia", "America/Santiago"}) {
        const Zone zone = LoadZone(name);
        for (UtcSeconds t = at("2010-06-01T00:00:00Z"); t < at("2013-06-01T00:00:00Z"); t += 3599) {
            const LocalTimeMapping m = zone.Map(zone.LocalTimeOf(t));
            ASSERT_TRUE(m.Kind != LocalTimeKind::Gap && m.Earlier <= t && t <= m.Later) << name << " " << t;
        }
    }
    EXPECT_EQ(WhatOf([&] { london.TypeAt(LastInstant + 1); }), "The instant is outside the years 0000 to 9999");
    EXPECT_EQ(WhatOf([] { Zone::FixedOffset(86400); }), "A UTC offset must be less than 24 hours");
    EXPECT_EQ(Zone::FixedOffset(-(5 * 3600 + 30 * 60)).Name(), "-05:30");
}

} // namespace
