// POSIX TZ strings, as the footer of a TZif file (versions 2 and later)
// gives the zone's rule for every instant after its last transition:
// "EST5EDT,M3.2.0,M11.1.0", "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
// "<+0545>-5:45".
//
// The form read is POSIX's with the TZif extensions (RFC 8536, 3.3.1):
//   std offset [dst [offset] ,start[/time],end[/time]]
// names of three or more letters, or quoted in <> with letters, digits,
// '+' and '-'; offsets [+-]hh[:mm[:ss]] with hh 0..24, west of Greenwich
// positive (so the UTC offset is its negation); a summer time without its
// own offset is one hour ahead of standard time; dates Jn (1..365, 29
// February never counted), n (0..365, counted) or Mm.w.d (month 1..12, week
// 1..5 where 5 is the last, weekday 0..6 from Sunday); times [+-]hh[:mm[:ss]]
// with hh 0..167, 02:00:00 when left out, on the clock in force before the
// change. A summer time without a rule is refused: a footer must say when.
#pragma once

#include "timezones/civil_calendar.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace timezones {

// One local time type: its UTC offset (seconds, east positive), whether it
// is summer time, and its abbreviation ("BST", "+0545").
struct LocalType {
    std::int32_t UtcOffset = 0;
    bool IsDst = false;
    std::string Abbreviation;
    friend bool operator==(const LocalType&, const LocalType&) = default;
};

// The day of a year a change falls on.
struct PosixDate {
    enum class Form { Julian, ZeroBased, MonthWeekDay };
    Form Kind = Form::MonthWeekDay;
    int Day = 0;                            // Julian 1..365, ZeroBased 0..365, MonthWeekDay the weekday 0..6
    int Month = 0;                          // MonthWeekDay only, 1..12
    int Week = 0;                           // MonthWeekDay only, 1..5
    std::int32_t Time = 2 * SecondsPerHour; // seconds after local midnight, -167 h .. 167 h
};

struct PosixTz {
    LocalType Standard;
    std::optional<LocalType> Summer;
    PosixDate SummerStart; // on standard time's clock
    PosixDate SummerEnd;   // on summer time's clock
};

// Reads `text`; throws TimeError naming what is wrong ("the rule's month
// must be 1 to 12") for any other text, or one longer than 256 characters.
PosixTz ParsePosixTz(std::string_view text);

// The type in force at the instant `t` (any instant of the years 0000 to
// 9999; beyond them the years' arithmetic still holds but is not checked).
// At the instant of a change the new type is in force.
LocalType PosixTypeAt(const PosixTz& tz, UtcSeconds t);

// The instant summer time starts (`start` true) or ends in `year`.
UtcSeconds PosixChangeInYear(const PosixTz& tz, int year, bool start);

} // namespace timezones
