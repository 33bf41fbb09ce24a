// solara's command line, for scripts:
//   solara [--json] [--zone UTC|ZT|AREA/CITY] [--height-of-eye M] [--days N] POSITION DATE
// POSITION as geo::ReadPosition takes it ("50.37 -4.14", or the window's
// text with its letters); DATE as YYYY-MM-DD, 1900-01-01 to 2100-12-31;
// N days from it (1 to 366, 1 unless given); the zone UTC unless given,
// ZT the nautical zone time of the position's longitude; the height of eye
// 0 to 100 m, 0 unless given. The plain output is the window's texts, one
// "Name: value" a line, a day after another; --json is day_json.h's.
#pragma once

#include <string>
#include <vector>

namespace solara {

// Runs the command line (`arguments` without the program's name): the
// output in `out`, an error in `err`. Returns the exit status: 0, or 2 for
// bad input, with a message naming what is wrong.
int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

} // namespace solara
