#include "geo/errors.h"
#include "legplot/core/calendar.h"
#include "legplot/core/time_text.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cstdio>
#include <string>

namespace {

using legplot::ClockStamp;
using legplot::DateText;
using legplot::DayNumberOf;
using legplot::NoDate;

TEST(Calendar, DayNumbersOfTheValidRange)
{
    EXPECT_EQ(DayNumberOf(1600, 1, 1), 0);
    EXPECT_EQ(DayNumberOf(1600, 2, 1), 31);
    EXPECT_EQ(DayNumberOf(1601, 1, 1), 366); // 1600 is a leap year
    EXPECT_EQ(DayNumberOf(1700, 3, 1) - DayNumberOf(1700, 2, 28), 1); // 1700 is not
    EXPECT_EQ(DayNumberOf(2000, 3, 1) - DayNumberOf(2000, 2, 28), 2); // 2000 is
    EXPECT_EQ(DayNumberOf(3999, 12, 31), DayNumberOf(1600, 1, 1) + 876581);
}

TEST(Calendar, DatesOutsideTheRangeOrTheCalendarHaveNoNumber)
{
    EXPECT_EQ(DayNumberOf(1599, 12, 31), NoDate);
    EXPECT_EQ(DayNumberOf(4000, 1, 1), NoDate);
    EXPECT_EQ(DayNumberOf(2023, 2, 29), NoDate);
    EXPECT_EQ(DayNumberOf(2024, 4, 31), NoDate);
    EXPECT_EQ(DayNumberOf(2024, 0, 1), NoDate);
    EXPECT_EQ(DayNumberOf(2024, 13, 1), NoDate);
    EXPECT_EQ(DayNumberOf(2024, 257, 1), NoDate); // would be January in eight bits
    EXPECT_EQ(DayNumberOf(2024, 1, 256 + 5), NoDate);
    EXPECT_EQ(DayNumberOf(2024, -11, 1), NoDate);
}

TEST(Calendar, DateTexts)
{
    EXPECT_EQ(DateText(0), "01/01/1600");
    EXPECT_EQ(DateText(31, '.'), "01.02.1600");
    EXPECT_EQ(DateText(DayNumberOf(2026, 12, 6), '-'), "06-12-2026");
    EXPECT_EQ(DateText(NoDate), "  /  /    ");
    EXPECT_EQ(DateText(NoDate, '.'), "  .  .    ");
}

// Every day of the range reads back to itself through its text.
TEST(Calendar, EveryDayRoundTripsThroughItsText)
{
    const legplot::DayNumber last = DayNumberOf(3999, 12, 31);
    for (legplot::DayNumber n = 0; n <= last; n += 1) {
        const std::string text = DateText(n);
        int d = 0, m = 0, y = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%2d/%2d/%4d", &d, &m, &y), 3) << text;
        ASSERT_EQ(DayNumberOf(y, m, d), n) << text;
    }
}

TEST(Calendar, TimeTextsCutTheSeconds)
{
    EXPECT_EQ(legplot::TimeText(0), "00:00");
    EXPECT_EQ(legplot::TimeText(8 * 3600 + 29 * 60 + 59), "08:29");
    EXPECT_EQ(legplot::TimeText(86399, '.'), "23.59");
}

TEST(Calendar, AddingSecondsCarriesAndBorrowsWholeDays)
{
    const ClockStamp noon{100, 43200};
    ClockStamp s = legplot::AddSeconds(noon, 43200);
    EXPECT_EQ(s.Day, 101);
    EXPECT_EQ(s.Seconds, 0);
    s = legplot::AddSeconds(noon, 43199);
    EXPECT_EQ(s.Day, 100);
    EXPECT_EQ(s.Seconds, 86399);
    s = legplot::AddSeconds(noon, -43201);
    EXPECT_EQ(s.Day, 99);
    EXPECT_EQ(s.Seconds, 86399);
    s = legplot::AddSeconds(noon, -3 * 86400);
    EXPECT_EQ(s.Day, 97);
    EXPECT_EQ(s.Seconds, 43200);
    EXPECT_THROW(legplot::AddSeconds(noon, std::int64_t{1} << 62), geo::RangeError);
    EXPECT_THROW(legplot::AddSeconds({2147483647, 0}, 86400), geo::RangeError);
}

std::string SplitError(const std::string& text)
{
    return testtexts::WhatOf([&] { legplot::SplitTimeText(text); });
}

TEST(SplitTimeText, ReadsFixedPositions)
{
    legplot::TimeParts t = legplot::SplitTimeText("12:34");
    EXPECT_EQ(t.Hours, 12);
    EXPECT_EQ(t.Minutes, 34);
    EXPECT_EQ(t.Seconds, 0);
    t = legplot::SplitTimeText("99x99y07");
    EXPECT_EQ(t.Hours, 99);
    EXPECT_EQ(t.Minutes, 99);
    EXPECT_EQ(t.Seconds, 7);
    EXPECT_EQ(legplot::SplitTimeText("+1:+2").Minutes, 2);
}

TEST(SplitTimeText, ExactErrors)
{
    EXPECT_EQ(SplitError("1-:00"), "'1-' is not a valid integer value");
    EXPECT_EQ(SplitError("00:.5"), "'.5' is not a valid integer value");
    EXPECT_EQ(SplitError("-1:00"), "Range check error");
    EXPECT_EQ(SplitError("00:-5"), "Range check error");
    EXPECT_EQ(SplitError("12"), "'' is not a valid integer value");
    EXPECT_EQ(SplitError(""), "'' is not a valid integer value");
    EXPECT_EQ(SplitError("12:30:-1"), "Range check error");
}

} // namespace
