// The texts of a plan, one set for the window, the page and the command
// line: the results as "Name", "value" lines and the list as table rows.
// Texts are 8-bit, as geo's angle texts are (the degree sign is the byte
// 0xB0). Times are UT to the second ("2026-12-09 16:41:05 UT"), Hc in
// degrees and minutes to a tenth, Zn in degrees to a tenth, magnitudes to
// a tenth.
#pragma once

#include "geo/angle_text.h"
#include "obsprep/core/plan.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace obsprep {

using Lines = std::vector<std::pair<std::string, std::string>>;

// "2026-12-09 16:41:05 UT", or "none".
std::string TimeText(const std::optional<double>& utc);

// The twilights and the meridian passage, in the day's order.
Lines TwilightLines(const Plan& plan);

// The instant of the list, the DR then (in `format`) and the proposed set.
Lines ListLines(const Plan& plan, geo::AngleFormat format);

// "Capella 052.3°, Vega 290.1°, Fomalhaut 190.0°", or why there is none.
std::string ProposedText(const Plan& plan);

// The list's columns and one row a body: body, Hc, Zn, magnitude, and
// "proposed" for the stars of the set.
std::vector<std::string> ListHeadings();
std::vector<std::vector<std::string>> ListRows(const Plan& plan);
inline constexpr std::size_t ProposedColumn = 4;

// The list as the page prints it, to hold the longest list on one page:
// two bodies a row, the first half of the list down the left and the rest
// down the right, each as body, Hc, Zn and magnitude, the proposed stars'
// names followed by " *".
std::vector<std::string> PageHeadings();
std::vector<std::vector<std::string>> PageRows(const Plan& plan);

// "-1.5", "0.5"; "--" for none.
std::string MagnitudeText(const std::optional<double>& magnitude);

// True when `body` is one of the plan's proposed stars.
bool IsProposed(const Plan& plan, const std::string& body);

} // namespace obsprep
