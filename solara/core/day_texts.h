// The almanac's texts: a day's results as the window shows them and the
// command line prints them, the month's principal phases, and the month
// table's rows as an almanac prints them. 8-bit texts (the degree sign is
// the byte 0xB0).
//
// A day's times are the zone's clock, "hh:mm:ss", with the UTC offset
// after each on a day the clocks change. An event that does not happen
// says so ("no moonrise"); two of a kind in one day are both listed
// ("00:12:05, 23:58:40"). The Sun's state is said plainly: "Sun above the
// horizon all day", "Sun below the horizon all day", "Twilight all night".
#pragma once

#include "solara/core/almanac.h"

#include <string>
#include <utility>
#include <vector>

namespace solara {

using Lines = std::vector<std::pair<std::string, std::string>>;

// "Sun rises and sets", "Sun above the horizon all day", "Sun below the
// horizon all day", "Twilight all night".
std::string StateText(astro::DayState state);

// "New moon", "First quarter", "Full moon", "Last quarter".
std::string PhaseKindText(astro::PrincipalPhaseKind kind);

// The day's phase: the principal phase falling on it, or else the Moon at
// noon waxing or waning, crescent or gibbous ("Waxing gibbous").
std::string PhaseName(const AlmanacDay& day);

// The Sun's lines: the twilights, rise, meridian passage and its altitude,
// set, the length of the day and its state.
Lines SunLines(const AlmanacDay& day, const timezones::Zone& zone);

// The Moon's lines: rise, meridian passage, set, age, illuminated
// fraction, phase and the principal phase of the day.
Lines MoonLines(const AlmanacDay& day, const timezones::Zone& zone);

// Both, the Sun's first.
Lines DayLines(const AlmanacDay& day, const timezones::Zone& zone);

// The month's new moons, first quarters, full moons and last quarters,
// one line each kind, dated on the zone's clock ("2026-12-09 08:01:23";
// "none this month").
Lines MonthPhaseLines(const std::vector<AlmanacDay>& month, const timezones::Zone& zone);

// The month table: its headings (full names, for the window and a screen
// reader), and a day's row (times to the minute, "--:--" for an event that
// does not happen, "above" and "below" for the Sun's rise and set on days
// it stays above or below the horizon, "all night" for a twilight the
// night never gets beyond). Two events of a kind in one day are both
// shown, or on the page, where a column holds five characters, the first
// with "+" after it.
std::vector<std::string> MonthHeadings();
std::vector<std::string> MonthRow(const AlmanacDay& day, const timezones::Zone& zone, bool forPage = false);

// The page's headings, in two lines ("Sun-" over "rise").
std::vector<std::vector<std::string>> MonthPageHeadings();

// The page's note that says what the table's words stand for.
inline constexpr const char* MonthTableNote =
    "above, below: the Sun above, below the horizon all day; all night: twilight all night; +: two that day";

} // namespace solara
