// The civil calendar and UTC instants the suite's time texts are built on.
//
// An instant is UTC seconds since 1970-01-01T00:00:00Z without leap
// seconds (POSIX time): whole seconds as UtcSeconds (int64), or a double
// where fractions of a second count (event times, typed instants). The
// astronomy keeps TAI and TT itself; civil time never counts a leap second.
//
// Dates are in the proleptic Gregorian calendar with astronomical year
// numbers (year 0 is 1 BC). The day arithmetic (Howard Hinnant's
// days_from_civil and civil_from_days) is exact for every year from -32767
// to 32767; the zones and the texts take the instants of the years 0000 to
// 9999, the years four digits can write.
#pragma once

#include <compare>
#include <cstdint>

namespace timezones {

using UtcSeconds = std::int64_t;

inline constexpr std::int32_t SecondsPerDay = 86400;
inline constexpr std::int32_t SecondsPerHour = 3600;
inline constexpr std::int32_t SecondsPerMinute = 60;

struct CivilDate {
    int Year = 1970;
    int Month = 1; // 1..12
    int Day = 1;   // 1..31
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

// A date and a time of day on a zone's clock, to the second.
struct LocalDateTime {
    CivilDate Date;
    std::int32_t SecondOfDay = 0; // 0..86399
    friend auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
};

// The first and last instants the zones and texts take:
// 0000-01-01T00:00:00Z and 9999-12-31T23:59:59Z.
inline constexpr UtcSeconds FirstInstant = -62167219200;
inline constexpr UtcSeconds LastInstant = 253402300799;

bool IsLeapYear(int year);

// 28..31 for a month 1..12 of any year; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// True for a day that exists in the calendar (month 1..12, day 1..its
// length), any year from -32767 to 32767.
bool IsValidDate(CivilDate date);

// Days since 1970-01-01 of a valid date (negative before it).
std::int64_t DaysFromCivil(CivilDate date);

// The date `days` after 1970-01-01; exact for the days of the years -32767
// to 32767.
CivilDate CivilFromDays(std::int64_t days);

// 0 (Sunday) .. 6 (Saturday) of a day counted from 1970-01-01.
int WeekdayFromDays(std::int64_t days);

// Floor division and its remainder (0..divisor-1) for a positive divisor.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor);
std::int64_t FloorMod(std::int64_t value, std::int64_t divisor);

// A local date and time as seconds since 1970-01-01T00:00 on that clock,
// and back. LocalSecondsOf expects a valid date and SecondOfDay 0..86399.
std::int64_t LocalSecondsOf(const LocalDateTime& local);
LocalDateTime LocalDateTimeOf(std::int64_t localSeconds);

// The local date and time at hh:mm:ss of `date` (hours 0..23, minutes and
// seconds 0..59, not checked).
LocalDateTime AtTime(CivilDate date, int hour, int minute, int second);

// Throws TimeError ("The instant is outside the years 0000 to 9999") for
// an instant before FirstInstant or after LastInstant.
void CheckInstant(UtcSeconds t);

// The whole second nearest to `t`, a half second going to the later one
// (so -0.5 becomes 0 and 0.5 becomes 1, whichever side of 1970 it lies).
// Throws TimeError for NaN, an infinity or an instant outside the years
// 0000 to 9999 once rounded.
UtcSeconds RoundToSecond(double t);

} // namespace timezones
