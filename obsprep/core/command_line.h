// obsprep's command line, for scripts:
//   obsprep [--json] [--time TIME] [--dr-time HH:MM[:SS]] [--course DEG] [--speed KN]
//           [--twilight morning|evening] [--order brightness|azimuth] [--stars 3|5]
//           [--format DM.dd|DMS|DMS.sss] POSITION DATE
// POSITION is the DR as the suite's command lines take it ("50.37 -4.14",
// or the window's text with its letters); DATE the ship's date YYYY-MM-DD;
// TIME the list's instant in ISO 8601 ("2026-12-09T18:30:00Z"), by default
// the middle of the evening's (or --twilight morning's) nautical twilight;
// --dr-time the DR's time on the ship's clock, zone time (00:00, the start
// of the ship's day, unless given), --course and --speed what the vessel
// sails from it (0 unless given). The plain output is the window's texts, one "Name: value" a line,
// then the list as a table; --json is plan_json.h's.
#pragma once

#include <string>
#include <vector>

namespace obsprep {

// Runs the command line (`arguments` without the program's name): the
// output in `out`, an error in `err`. Returns the exit status: 0, or 2 for
// bad input, with a message naming what is wrong.
int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

// A time of day "hh:mm" or "hh:mm:ss" (00:00:00 to 23:59:59) as seconds
// since midnight; throws cli::InputError naming `option` and the text.
int TimeOfDayOf(const std::string& option, const std::string& text);

} // namespace obsprep
