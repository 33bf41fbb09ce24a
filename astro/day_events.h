// Everything a day's page of Sun and Moon needs, for one observer: what
// the command line prints per day and the window shows.
//
// The day is the interval [dayStart, dayEnd) in UTC seconds, normally the
// UTC instants of a local midnight and the next (23 or 25 hours on the
// days clocks change); an event at dayStart belongs to the day, one at
// dayEnd to the next. Conventions of the events as in horizon.h and
// events.h: rise and set with the upper limb on the sea horizon (34'
// refraction, semi-diameter, dip of the observer's height of eye),
// twilights with the Sun's centre at -6, -12 and -18 degrees. Every event
// is a list: a day may have two moonrises or none, and near the polar
// circles even two sunrises.
#pragma once

#include "astro/events.h"
#include "astro/moon_phase.h"
#include "astro/observer.h"

#include <vector>

namespace astro {

enum class DayState {
    Normal,           // the Sun rises or sets, and the night gets darker than -18 degrees
    AboveAllDay,      // the Sun is above the horizon the whole day (polar day)
    BelowAllDay,      // below it the whole day (polar night)
    TwilightAllNight, // it sets or rises, but never gets down to -18 degrees
};

struct SunDay {
    std::vector<double> AstronomicalDawn, NauticalDawn, CivilDawn, Sunrise;
    std::vector<MeridianPassage> MeridianPassages; // upper passages, with the true altitude of the centre
    std::vector<double> Sunset, CivilDusk, NauticalDusk, AstronomicalDusk;
    DayState State;
    double DayLength; // seconds above the horizon in the day: sunset - sunrise on a normal day
};

struct MoonDay {
    std::vector<double> Moonrise;
    std::vector<MeridianPassage> MeridianPassages; // upper passages
    std::vector<double> Moonset;
};

struct Day {
    SunDay Sun;
    MoonDay Moon;
    MoonPhase Phase;                     // at the instant `noon` given
    std::vector<PrincipalPhase> Phases;  // new moon, quarters and full moon within the day
};

// The day's events for `observer`. Throws ObserverError, or TimeRangeError
// for a day outside 1900-2100 or one that does not end after it starts or
// lasts more than 48 hours; `noon` may be any supported instant.
Day DayEvents(const Observer& observer, double dayStart, double dayEnd, double noon, double dut1 = 0.0);

} // namespace astro
