// The voyage printout: one page of plain text, laid out on units of an
// eighth of the printable width (u) and a fortieth of its height (v).
//
//   y    x: u                          2u       3u          4u        5u         6u            7u
//   0    Dead Reckoning : <date>   Time : <time>
//   2v   Starting At :
//   3v   Latitude :                             <start latitude>
//   4v   Longitude :                            <start longitude>
//   6v   Course     Speed    Interval   Latitude   Longitude   Date of Arr.   Time of Arr.
//   (7+i)v  one row for each leg i = 1..5 that has an interval; the rows of
//           empty legs stay empty
#pragma once

#include "geo/angle_text.h"
#include "legplot/core/voyage.h"
#include "platform/print/print_service.h"

#include <string>

namespace legplot {

// What the page shows besides the plan, read from the window at the moment
// of printing.
struct PrintoutSettings {
    std::string DepartureTime; // as the last computation read it
    geo::AngleFormat Format;   // the display format now selected
    char DateSeparator = '/';
    char TimeSeparator = ':';
    // The start position as the window shows it, with its hemisphere (a
    // position typed in this format reads as typed); empty: from the plan.
    std::string StartLat{}, StartLon{};
};

// Writes the page for `plan` on `canvas`; changes nothing.
void PrintVoyage(platform::PrintCanvas& canvas, const VoyagePlan& plan, const PrintoutSettings& settings);

} // namespace legplot
