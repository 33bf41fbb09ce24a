// Rising, setting and meridian passages of a body for an observer, found
// as roots, never missed and never doubled.
//
// The method: the body's upper and lower meridian passages (roots of its
// topocentric hour angle) are found first, from 15 hours before the
// interval to 15 hours after it; near each, the altitude's true extreme (a
// maximum near the upper passage, a minimum near the lower; they differ
// by up to some minutes when the declination changes fast at high
// latitude), as the vertex of parabolas through the altitude. Between
// two consecutive extremes the altitude is monotonic, so an altitude is
// crossed there once or not at all, and each crossing is solved there
// with a safeguarded root finder (root_finding.h) to 0.05 s. A body that
// only touches an altitude at its extreme crosses it once, at the
// extreme; one that stays on one side never does.
//
// Instants are UTC seconds; DUT1 (UT1 - UTC, seconds) as in time_scales.h.
// Intervals are [start, end): an event at `start` belongs to it, one at
// `end` does not.
#pragma once

#include "astro/observer.h"
#include "astro/root_finding.h"
#include "astro/state.h"

#include <functional>
#include <vector>

namespace astro {

struct MeridianPassage {
    double Utc;
    bool Upper;      // the upper passage (local hour angle 0), else the lower (180)
    double Altitude; // true altitude of the centre then, topocentric (degrees)
};

struct Crossing {
    double Utc;
    bool Rising; // upward through the altitude, else downward
};

// The course of a body's altitude around an interval: its meridian
// passages and its alternating extremes (seconds, degrees), the first
// extreme at or before the interval's start, the last at or after its end.
struct AltitudeCourse {
    std::vector<MeridianPassage> Passages;
    std::vector<Extremum> Extremes;
};

AltitudeCourse CourseAround(Body body, const Observer& observer, double start, double end, double dut1 = 0.0);

// The altitude to be crossed (degrees), given the body's topocentric
// semi-diameter (degrees; what rising and setting depend on).
using Threshold = std::function<double(double semiDiameter)>;

// The instants in [start, end) at which the body's true altitude crosses
// `threshold`, in order; `course` from CourseAround over the same interval.
std::vector<Crossing> CrossingsOf(Body body, const Observer& observer, const AltitudeCourse& course,
                                  const Threshold& threshold, double start, double end, double dut1 = 0.0);

// The threshold for rising and setting: the upper limb on the sea horizon
// (horizon.h), with the body's topocentric semi-diameter.
Threshold UpperLimbOnHorizon(const Observer& observer);

// A fixed altitude of the centre (the twilights).
Threshold CentreAt(double altitude);

} // namespace astro
