// The Sun and the Moon for a place over the local days of a time zone:
// what the window shows for a day and a month, and what the command line
// prints.
//
// Conventions (those of astro/day_events.h): rise and set with the upper
// limb on the sea horizon, 34' of refraction plus the dip of the height of
// eye (1.76' sqrt(h)), the Moon with its topocentric parallax and
// semi-diameter; twilights with the Sun's centre at -6, -12 and -18
// degrees, without refraction or dip. Instants are UTC seconds (POSIX);
// UT1 is taken as UTC (DUT1 = 0, at most 0.23' of hour angle).
//
// A day is the zone's local day, midnight to midnight (23 or 25 hours on
// the days the clocks change). An event belongs to the day its time,
// rounded to the nearest second as it is written, falls on: one written
// 00:00:00 belongs to the day it begins, never to the day before.
#pragma once

#include "astro/day_events.h"
#include "astro/observer.h"
#include "astro/time_scales.h"
#include "timezones/civil_calendar.h"
#include "timezones/zone.h"
#include "timezones/zone_day.h"

#include <stdexcept>
#include <vector>

namespace solara {

// Input the module refuses (a height of eye, a date outside the years
// supported); what() is the text the user reads.
class AlmanacError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The heights of eye the module takes (metres).
inline constexpr double MaxHeightOfEye = 100.0;

// The first and last dates computed: those of the astronomy's years.
inline constexpr timezones::CivilDate FirstDate{astro::FirstSupportedYear, 1, 1};
inline constexpr timezones::CivilDate LastDate{astro::LastSupportedYear, 12, 31};

// The most days one request computes.
inline constexpr int MaxDays = 366;

// A height of eye as typed ("0", "12.5"): a decimal number of metres from
// 0 to 100 with "." as its separator. Throws AlmanacError otherwise.
double ParseHeightOfEye(const std::string& text);

// An observer at `latitude`, `longitude` (degrees, north and east
// positive) with a height of eye in metres. Throws AlmanacError for a
// latitude beyond 90 degrees, a longitude that is not a number, or a
// height of eye outside 0 to 100 m.
astro::Observer ObserverAt(double latitude, double longitude, double heightOfEye);

struct AlmanacDay {
    timezones::CivilDate Date;
    timezones::DayBounds Bounds; // the local day, [Start, End) in UTC seconds
    double Noon;                 // 12:00 local (UTC seconds), where the Moon's phase is given
    astro::Day Events;           // every event of the day, in order within each kind
};

// The local day `date` of `zone` for `observer`. Throws AlmanacError for a
// date outside 1900-01-01 to 2100-12-31, or a local day reaching outside
// 1900 to 2100 UTC (the first day east of Greenwich, the last one west),
// or a day the zone skipped (no local time of it exists: Samoa's
// 2011-12-30).
AlmanacDay DayAt(const astro::Observer& observer, const timezones::Zone& zone, timezones::CivilDate date);

// `count` days from `first` on (1 to MaxDays), the days the zone skipped
// left out after the first; the same refusals.
std::vector<AlmanacDay> DaysFrom(const astro::Observer& observer, const timezones::Zone& zone,
                                 timezones::CivilDate first, int count);

// The days of the month that holds `date` that the zone has and the
// almanac covers.
std::vector<AlmanacDay> MonthOf(const astro::Observer& observer, const timezones::Zone& zone,
                                timezones::CivilDate date);

// The instants of meridian passages, in their order.
std::vector<double> PassageTimes(const std::vector<astro::MeridianPassage>& passages);

// The day after `date`.
timezones::CivilDate NextDay(timezones::CivilDate date);

} // namespace solara
