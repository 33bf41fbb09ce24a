// Where a harmonic sum turns (S' = 0) and where it crosses a level (S = c),
// within one year's terms.
//
// The sum is sampled every six minutes (the interval of official tide
// series); a turn or a crossing shows as a change of sign between two
// samples and is then solved to a fraction of a second by Newton's method
// kept inside that bracket. Two turns closer together than one interval
// (a wobble of a stand) can be missed; the events drop such pairs anyway.
#pragma once

#include "ebbflow/core/harmonics.h"

#include <vector>

namespace ebbflow {

inline constexpr double SampleSeconds = 360.0;

struct Root {
    double Time = 0; // UTC seconds, unrounded
    bool Up = false; // a maximum (S' falls through 0) or an upward crossing
};

struct Roots {
    std::vector<Root> Turns;     // S' = 0
    std::vector<Root> Crossings; // S = level, when asked for
};

// The roots within [from, to], in time order, summed with `terms`.
Roots FindRoots(const YearTerms& terms, double from, double to, bool crossings, double level);

} // namespace ebbflow
