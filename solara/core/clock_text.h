// The texts of the almanac's times and angles: a zone's clock at an
// instant, and altitudes in degrees and minutes. 8-bit texts (the degree
// sign is the byte 0xB0), as the windows and their pages show them.
//
// Times are rounded once: to the nearest second (a half second going to
// the later one, as timezones::FormatIso rounds), or for the month table
// to the nearest minute.
#pragma once

#include "timezones/civil_calendar.h"
#include "timezones/zone.h"
#include "timezones/zone_day.h"

#include <string>

namespace solara {

// True when the zone's UTC offset is not the same all through the day
// (the clocks change in it).
bool OffsetChangesIn(const timezones::Zone& zone, const timezones::DayBounds& day);

// "hh:mm:ss" of `utc` on the zone's clock, rounded to the second; with
// the offset after it ("01:30:00 +01:00") when `withOffset`, so that the
// two 01:30 of a day the clocks go back are told apart.
std::string ClockText(double utc, const timezones::Zone& zone, bool withOffset);

// "hh:mm" of `utc`, rounded to the nearest minute, counted from the start
// of `date` on the zone's clock: "24:00" for an event of the day from
// 23:59:30 on. `utc` must lie within the day (or half a second before it).
std::string MinuteText(double utc, const timezones::Zone& zone, timezones::CivilDate date);

// "YYYY-MM-DD hh:mm:ss" of `utc` on the zone's clock, rounded to the second.
std::string DateTimeText(double utc, const timezones::Zone& zone);

// An altitude (degrees) as degrees and minutes to a tenth, rounded once in
// tenths of a minute: "16\xB023.4'", "-0\xB012.0'", "90\xB000.0'"; no minus
// for one that rounds to zero. NaN and infinities show "--".
std::string AltitudeText(double degrees);

} // namespace solara
