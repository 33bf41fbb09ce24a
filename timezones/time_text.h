// Texts of dates, instants and durations: ISO 8601 as the command lines
// write and read them, and the clock readings the windows show.
//
// Written instants are rounded once, to the nearest whole second with a
// half second going to the later one, and the text is that rounded
// instant's local time: 23:59:59.6 is written as 00:00:00 of the next day,
// with the next day's date (and, on a change of the clocks, the offset in
// force at the rounded instant). Years are four digits, 0000 to 9999.
//
// Refusals are TimeError, whose what() names the text and what is wrong
// with it ("'2027-02-29' is not a date: February 2027 has 28 days").
#pragma once

#include "timezones/civil_calendar.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace timezones {

class Zone;

// "+01:00", "-05:00", "+05:45", "+00:00"; seconds only where the offset
// has them, as local mean times do ("-00:01:15").
std::string FormatUtcOffset(std::int32_t utcOffsetSeconds);

// "hh:mm:ss" of a second of the day 0..86399.
std::string FormatTimeOfDay(std::int32_t secondOfDay);

// "YYYY-MM-DD".
std::string FormatDate(CivilDate date);

// "YYYY-MM-DDThh:mm:ss", a zone's clock without its offset.
std::string FormatLocalDateTime(const LocalDateTime& local);

// The instant `utc` (seconds since 1970, fractions allowed) on `zone`'s
// clock with its offset: "2026-12-09T08:01:23+00:00". Throws TimeError for
// NaN, an infinity, or a rounded instant or local date outside the years
// 0000 to 9999.
std::string FormatIso(double utc, const Zone& zone);

// The same instant in UTC with the designator Z: "2026-12-09T08:01:23Z".
std::string FormatIsoUtc(double utc);

// A duration in seconds as "hh:mm:ss" (hours as many digits as they need,
// at least two; "-" before a negative one), rounded to the nearest second
// with a half second away from zero: 23 hours is "23:00:00", 90000.5
// seconds "25:00:01". Throws TimeError for NaN, an infinity or more than
// 10^12 seconds.
std::string FormatDuration(double seconds);

// A date "YYYY-MM-DD" of the years 0000 to 9999.
CivilDate ParseDate(std::string_view text);

// A local date and time "YYYY-MM-DDThh:mm" or "YYYY-MM-DDThh:mm:ss", on the
// clock of a zone the caller gives; a text with a zone is refused.
LocalDateTime ParseLocalDateTime(std::string_view text);

// An instant "YYYY-MM-DDThh:mm[:ss[.fff]](Z|+hh:mm|-hh:mm)", one to nine
// decimals of a second, as UTC seconds since 1970. Seconds 60 (a leap
// second) are refused, and so is a text without its zone, since a local
// time alone names no instant.
double ParseInstant(std::string_view text);

} // namespace timezones
