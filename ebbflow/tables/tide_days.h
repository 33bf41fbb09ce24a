// The days predictions are made for, on the clock of the zone they are
// shown in: the station's own zone (from the tide data, "America/New_York"),
// UTC, or a zone of the system's database.
//
// A span of days runs from 00:00 of its first day to 00:00 of the day after
// its last, on that zone's clock (timezones/zone_day.h): the day the clocks
// go forward lasts 23 hours and the day they go back 25, and an event
// belongs to the day its instant falls in.
#pragma once

#include "ebbflow/core/prediction.h"
#include "timezones/zone.h"
#include "timezones/zone_files.h"

#include <string>
#include <vector>

namespace ebbflow {

// The station's zone: the named zone of the tide data, or UTC for a station
// whose zone is not known. Throws timezones::TimeError (or ZoneFileError)
// naming the zone when the system's database has no such zone.
timezones::Zone StationZone(const Station& station,
                            const std::string& directory = timezones::SystemZoneDirectory);

enum class SpanKind { Day, Week, Month };

// The days shown for `kind` around `day`: the day itself; seven days from
// it; the calendar month that holds it (28 to 31 days from its 1st).
struct DaySpan {
    timezones::CivilDate First;
    int Days = 1;
};
DaySpan SpanOf(SpanKind kind, timezones::CivilDate day);

// `date` moved by `days` days (negative back).
timezones::CivilDate AddDays(timezones::CivilDate date, int days);

// The date the zone's clock shows at `utc`, rounded to the second as
// the texts round it. Throws timezones::TimeError for NaN or an instant
// outside the years 0000 to 9999.
timezones::CivilDate DateIn(const timezones::Zone& zone, double utc);

// The instants [From, To) of `days` days from `first` on `zone`'s clock.
// Throws timezones::TimeError for dates outside the years 0000 to 9999.
struct UtcSpan {
    double From = 0, To = 0;
};
UtcSpan UtcSpanOf(const timezones::Zone& zone, timezones::CivilDate first, int days);

// The events of one day, in time order.
struct DayEvents {
    timezones::CivilDate Date;
    std::vector<TideEvent> Events;
};

// `events` (in time order, within the span) sorted into the `days` days
// from `first` on `zone`'s clock; every day is listed, with or without
// events.
std::vector<DayEvents> EventsByDay(const std::vector<TideEvent>& events, const timezones::Zone& zone,
                                   timezones::CivilDate first, int days);

} // namespace ebbflow
