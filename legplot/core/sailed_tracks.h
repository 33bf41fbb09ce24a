// The voyage as the lines a chart or a chart plotter draws: the tracks of
// the legs that were sailed, in order.
#pragma once

#include "legplot/core/voyage.h"

#include <string>
#include <vector>

namespace legplot {

struct TrackPoint {
    double Lat = 0;  // degrees
    double Lon = 0;  // degrees as the plan stores it: unfolded, so that a track
                     // runs on across 180 and each leg goes the way it is sailed
    int Leg = 0;     // whose end it is; 0 for the start
    DayNumber Day = 0;
    std::int32_t Seconds = 0;
};

// Points joined by the legs sailed between them; a track from 0°, 0° starts
// at the end of the empty leg before it.
struct Track {
    std::vector<TrackPoint> Points;
    bool FromOrigin = false;
};

// The start and the end of every leg sailed, split where no leg joins two
// points: a leg is sailed when it has an interval (even at speed 0) and was
// computed. Tracks end at the first leg not sailed; legs sailed after an
// empty leg start from 0°, 0° and form a track of their own. Legs after one
// not computed (stopped at a pole) are not sailed.
std::vector<Track> SailedTracks(const VoyagePlan& plan);

} // namespace legplot
