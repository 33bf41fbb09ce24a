// The height or the stream over a span, sampled evenly, for drawing.
//
// A reference station's curve is its harmonic prediction at every sample
// (as PredictAt gives it, each instant with its own year's arguments). A
// subordinate station is predicted at its events only, so its curve joins
// them by half cosine waves, the usual interpolation between a high and a
// low water, and says so.
#pragma once

#include "ebbflow/core/prediction.h"

#include <vector>

namespace ebbflow {

struct CurvePoint {
    double Time = 0;  // UTC seconds
    double Value = 0; // height or speed, as PredictEvents gives them
};

struct Curve {
    std::vector<CurvePoint> Points; // in time order
    bool Interpolated = false;      // joined from the events
};

// `samples` + 1 points from `fromUtc` to `toUtc` inclusive (samples held
// to 1 .. 2^20).
// For a subordinate station only the samples between its first and its last
// event around the span are given. Throws PredictionError as PredictEvents
// does.
Curve PredictCurve(const TideDatabase& db, const Station& station, double fromUtc, double toUtc, int samples,
                   HeightUnits units = HeightUnits::Station);

} // namespace ebbflow
