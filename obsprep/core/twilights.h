// The Sun's events of the ship's day that sights are planned around:
// morning and evening civil and nautical twilight and the meridian passage,
// each where the vessel will be at that moment.
//
// Conventions (astro/horizon.h and astro/events.h): twilights begin and end
// with the Sun's centre at -6 (civil) and -12 degrees (nautical), true
// topocentric altitudes without refraction or dip; the meridian passage is
// the Sun's upper transit. The observer is the DR run on to the event (an
// event moves with the vessel: a ship making 20 knots westward sees evening
// twilight about two seconds later for every minute), found by taking the
// event at the DR, running the DR on to it and taking it again, until it
// moves by less than a tenth of a second. Instants are UTC seconds.
//
// A day near the polar circles may hold two of one event; the morning's
// are the first of the day, the evening's the last, the meridian passage
// the first. A day without one (polar day or night, twilight all night)
// has none of it.
#pragma once

#include "obsprep/core/voyage.h"

#include <optional>

namespace obsprep {

struct TwilightTimes {
    std::optional<double> MorningNautical; // the Sun rising through -12 degrees
    std::optional<double> MorningCivil;    // rising through -6
    std::optional<double> MeridianPassage;
    std::optional<double> EveningCivil;    // setting through -6
    std::optional<double> EveningNautical; // setting through -12
};

enum class Twilight { Morning, Evening };

// The events of the ship's day `day` (ShipDay) for `voyage`. Throws
// PlanError for a run that passes a pole.
TwilightTimes TwilightsOf(const Voyage& voyage, const timezones::DayBounds& day);

// The middle of the morning's or the evening's nautical twilight (between
// the Sun at -12 and at -6 degrees), rounded to the whole second: when the
// horizon is still sharp and the brighter stars are out. None where the
// day has no such twilight.
std::optional<double> MiddleOfNauticalTwilight(const TwilightTimes& times, Twilight which);

} // namespace obsprep
