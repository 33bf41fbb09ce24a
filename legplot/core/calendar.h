// Days and times of the voyage: day numbers, clock stamps and their texts.
#pragma once

#include <cstdint>
#include <string>

namespace legplot {

// Whole days of the proleptic Gregorian calendar, 1 January 1600 = day 0.
using DayNumber = std::int32_t;
inline constexpr DayNumber NoDate = -1;

inline constexpr std::int32_t SecondsPerDay = 86400;

// A date and a time of day; Seconds always lies in 0..86399.
struct ClockStamp {
    DayNumber Day = 0;
    std::int32_t Seconds = 0;
};

// The day number of a calendar date from 1 January 1600 to 31 December
// 3999; NoDate for any other date or for a day that does not exist.
DayNumber DayNumberOf(int year, int month, int day);

// "dd/mm/yyyy" with `separator` in place of each slash: zero-padded day,
// month and four-digit year. NoDate renders as blanks in place of digits.
std::string DateText(DayNumber day, char separator = '/');

// "hh:mm" of seconds since midnight, with `separator` for the colon; the
// seconds are cut off, not rounded. Values outside a day are taken modulo
// a day.
std::string TimeText(std::int32_t secondsOfDay, char separator = ':');

// `stamp` moved by `seconds` (either sign): the seconds are brought back
// into 0..86399 and the day moves by the whole days carried or borrowed.
// Throws RangeError if the day would leave the 32-bit range.
ClockStamp AddSeconds(ClockStamp stamp, std::int64_t seconds);

} // namespace legplot
