// datumshift's command line, for scripts:
//   datumshift [--json] [--strict] --from CRS --to CRS POSITION
// CRS is a geographic CRS of the EPSG database by code ("EPSG:4230",
// "4230") or name ("ED50", "OSGB 1936"); POSITION is a position on the
// --from datum, latitude first, as geo::ReadPosition takes it ("50.3654
// -4.1427", or the window's text with its letters), in one word or two; its
// longitude counts from the datum's own prime meridian, as PROJ counts it.
//
// Plain output is the window's results, one "Name: value" a line, the
// position in DMS.sss (a thousandth of a second is 3 cm), lines without a
// value left out. --json gives the figures at full precision:
//   {"latitude_deg", "longitude_deg", "shift_m", "shift_direction_deg",
//    "transformation": {"name", "code", "accuracy_m", "ballpark"}, "fallback"}
// with shift_direction_deg null for no shift, code null for an operation
// PROJ composed itself, accuracy_m null where the database states none.
// --strict refuses a fallback (the best transformation needs a grid this
// machine lacks), naming both and the grid.
#pragma once

#include <string>
#include <vector>

namespace datumshift {

// Runs the command line (`arguments` without the program's name): the
// output in `out`, a refusal in `err`. Returns the exit status: 0, or 2
// for input it refuses, a datum not found and a refused fallback alike.
int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

} // namespace datumshift
