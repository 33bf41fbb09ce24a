// The two printed pages of the Sun-and-Moon window: the day (its events,
// the Moon, the month's principal phases) and the month (one row a day, as
// an almanac prints it). 8-bit texts, drawn by platform::DrawResultsPage.
#pragma once

#include "platform/module/results_page.h"
#include "solara/core/almanac.h"

#include <string>
#include <vector>

namespace solara {

// What the pages say they were computed for.
struct PageInputs {
    std::string Position;    // the position's text, "50\xB022'12 N   004\xB008'24 W"
    std::string HeightOfEye; // "10 m"
};

platform::ResultsPage DayPage(const PageInputs& inputs, const timezones::Zone& zone, const AlmanacDay& day,
                              const std::vector<AlmanacDay>& month);

// The month of `date` (its days as MonthOf gives them).
platform::ResultsPage MonthPage(const PageInputs& inputs, const timezones::Zone& zone, timezones::CivilDate date,
                                const std::vector<AlmanacDay>& month);

// "December 2026".
std::string MonthTitle(timezones::CivilDate date);

} // namespace solara
