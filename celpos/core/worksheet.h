// What a sight's reduction and a fix show: the worksheet's lines, one
// correction a line, as the window, its printout and the command line
// give them ("Name", "value"; 8-bit texts, degree sign 0xB0).
#pragma once

#include "celpos/core/fix.h"
#include "celpos/core/sight.h"

#include <string>
#include <utility>
#include <vector>

namespace celpos {

using Lines = std::vector<std::pair<std::string, std::string>>;

// The almanac's place as an almanac prints it: GHA, declination, and
// SD and HP where the body has them.
Lines AlmanacLines(const BodyPosition& place);

// Hs to Ho, the position reduced from, LHA, Hc, Zn, the intercept, and
// the latitude of a noon sight or of Polaris.
Lines WorksheetLines(const Sight& sight, const SightReduction& reduction);

// The fix, its time, the DR run on to it, each sight's residual and the warnings.
Lines FixLines(const Fix& fix);

// The almanac's figures of `body` at `utc` (UT1 = UTC + dut1 s), as the
// reduction takes them: astro::Almanac's.
BodyPosition AlmanacPosition(const std::string& body, double utc, double dut1);

} // namespace celpos
