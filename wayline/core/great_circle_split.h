// A great circle sailed as a series of rhumb lines: points on the great
// circle at round meridians or at equal distances, and the rhumb legs
// between them, as a navigator lays them off a gnomonic chart.
#pragma once

#include "wayline/core/earth.h"
#include "wayline/core/route.h"

#include <vector>

namespace wayline {

struct SplitStep {
    enum class Unit { Degrees, NauticalMiles };
    Unit By = Unit::Degrees;
    double Size = 5; // degrees of longitude, or nautical miles
};

// One rhumb leg between two points of the great circle.
struct RhumbStep {
    double Course = 0; // degrees true, 0..360
    double Metres = 0;
};

struct GreatCircleSplit {
    // The departure, the points between on the great circle, the
    // destination; longitudes -180..180, names empty.
    std::vector<Waypoint> Points;
    std::vector<RhumbStep> Steps; // Steps[i] from Points[i] to Points[i + 1]
    double GreatCircleMetres = 0; // the geodesic's length
    double RhumbMetres = 0;       // the rhumb legs' sum
    double ExtraMetres = 0;       // what the rhumb legs cost against the great circle (>= 0)
};

// Most points a split gives (the ends included); a smaller step is refused.
inline constexpr std::size_t LargestSplit = 10000;

// The great circle from `from` to `to` cut at every meridian that is a
// whole multiple of `step.Size` degrees as the chart labels it (-180..180:
// 5 gives 10 W, 15 W, ..., not 5-degree steps from the departure; 7 gives
// 175 E, 178 W across 180), or every `step.Size` nautical miles from the
// departure (the last piece shorter);
// the points strictly between the ends, across 180 as the great circle runs.
// A great circle along a meridian (or through a pole) crosses no meridian:
// by degrees it is one rhumb leg, the meridian itself. Coincident ends give
// the one point and no step.
//
// Throws RouteError for a step that is not a finite number > 0, a step in
// degrees beyond 180, or one that would give more than LargestSplit points.
GreatCircleSplit SplitGreatCircle(const Earth& earth, const Waypoint& from, const Waypoint& to, SplitStep step);

} // namespace wayline
