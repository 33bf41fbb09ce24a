// rangebear's command line, for scripts:
//   rangebear [--ellipsoid NAME] [--json] [--format DM.dd|DMS|DMS.sss] FROM TO
// FROM and TO are positions as geo::ReadPosition takes them. Plain output
// is the window's texts, one "Name: value" a line; --json gives the
// figures at full precision: rhumb_course_deg, rhumb_distance_m,
// geodesic_distance_m, initial_course_deg, final_course_deg (null where
// there is no course) and geodesic_unique.
#pragma once

#include "geo/angle_text.h"
#include "rangebear/core/range_bearing.h"

#include <string>
#include <vector>

namespace rangebear {

// The result lines as the window shows them, in `format`.
struct ResultText {
    std::string Name, Value;
};
std::vector<ResultText> ResultTexts(const RangeBearing& r, geo::AngleFormat format);

// Runs the command line (`arguments` without the program's name): the
// output in `out`, an error in `err`. Returns the exit status: 0, or 2 for
// bad input.
int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

} // namespace rangebear
