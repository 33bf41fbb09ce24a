// The days of a zone's calendar as instants, for the tables of events that
// list a day's sunrise or tides: an event belongs to the day whose start it
// is at or after and whose end it is before, so one at 00:00:00 belongs to
// the day it begins.
#pragma once

#include "timezones/civil_calendar.h"
#include "timezones/zone.h"

namespace timezones {

// A local day as the instants [Start, End): End is the next day's Start.
// Most days last 86400 seconds; the day the clocks go forward one hour
// 82800, the day they go back 90000, and a day the zone skips (Samoa's
// 2011-12-30) none.
struct DayBounds {
    UtcSeconds Start = 0;
    UtcSeconds End = 0;
    std::int64_t Length() const { return End - Start; }
};

// The first instant at which the zone's clock shows `date` at 00:00:00 or
// later: 00:00:00 itself; its first occurrence when the clocks went back
// over it; the instant the clocks went forward over it (then 00:00:00 is
// never shown, and the day starts at the change). `date` must be a valid
// date of the years 0000 to 9999 and the next day too (TimeError otherwise).
UtcSeconds DayStart(const Zone& zone, CivilDate date);

DayBounds DayInZone(const Zone& zone, CivilDate date);

} // namespace timezones
