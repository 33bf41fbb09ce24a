// What a plotting sheet shows of a round of sights, in nautical miles on
// a plane about the DR at the time of the fix (east and north, an
// arc-minute of latitude a mile, longitude shortened by the cosine of that
// DR's latitude): the DR's track, each line of position where it was
// reduced and run on to the time of the fix, the DR and the fix. North is
// up; the scale is one for both axes.
#pragma once

#include "celpos/core/fix.h"

#include <optional>
#include <string>
#include <vector>

namespace celpos {

struct SheetPoint {
    double EastNm = 0, NorthNm = 0;
};

struct SheetLine {
    int Sight;          // 1, 2, ...
    bool RunOn;         // carried to the time of the fix; false: where it was reduced
    SheetPoint From, To; // the ends of the drawn stretch of the line
    SheetPoint Foot;     // the intercept's end, on the line
};

struct PlottingSheet {
    double LatDeg = 0, LonDeg = 0;     // the plane's origin: the DR at the time of the fix
    std::vector<SheetPoint> DrTrack;   // the DR at each sight's time, in time order, then at the fix
    std::vector<SheetLine> Lines;
    std::optional<SheetPoint> Fix;
    double HalfSpanNm = 0;             // what the sheet must show each way from its origin
    double GridNm = 0;                 // the spacing of its grid, a round number of miles
};

// The sheet of `round` reduced as `reductions` (ReduceRound's) and, where
// there is one, its `fix`. Lines of position are drawn a little beyond
// what they must cross.
PlottingSheet SheetOf(const SightRound& round, const std::vector<SightReduction>& reductions,
                      const std::optional<Fix>& fix);

// The sheet's scale in words: "Grid 2 nm".
std::string ScaleText(const PlottingSheet& sheet);

} // namespace celpos
