// The stars proposed for a fix: three (or five) whose lines of position
// cross at good angles, as bright as can be had.
//
// The rule: of the stars in the list (sky_list.h; planets and the Moon are
// left to the navigator), every set of `count` is looked at with its
// azimuths in order round the horizon. A set spreads well when each of
// the `count` gaps between neighbours (the last back round to the first)
// lies within a quarter of the even gap of its ideal (120 +- 30 degrees for
// three, 72 +- 18 for five). Of the sets that spread well the one whose
// faintest star is brightest is proposed, then the brighter in sum, then
// the better spread (the smaller largest departure from the even gap).
// Where no set spreads well, the best spread is proposed, the brighter
// first among equals. Fewer stars than `count` in the list propose none.
#pragma once

#include "obsprep/core/sky_list.h"

#include <string>
#include <vector>

namespace obsprep {

// How many stars a set may hold.
inline constexpr int SmallSet = 3, LargeSet = 5;

// The proposed stars of `bodies` (the list, in any order), by azimuth from
// 000; `count` is SmallSet or LargeSet (PlanError otherwise).
std::vector<SkyBody> ProposedSet(const std::vector<SkyBody>& bodies, int count);

// The largest departure (degrees) of the gaps between the azimuths of
// `set` (at least two) from the even gap 360 / size: 0 for an even spread.
double SpreadError(const std::vector<SkyBody>& set);

} // namespace obsprep
