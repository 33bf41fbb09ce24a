// The events of a reference station, in its own units, before subordinate
// offsets and the units asked for are applied (prediction.h says what the
// events are).
#pragma once

#include "ebbflow/core/prediction.h"

#include <vector>

namespace ebbflow {

// The station's height or speed for a harmonic sum `s`: Z0 + s, or for
// knots squared Z0 + sign(s) * sqrt(|s|), in knots.
double StationValue(const Station& station, double s);

struct ReferenceEvent {
    TideEvent Event;   // no direction yet
    bool Rising = false; // of a slack: the flood begins (else the ebb)
};

// The events of reference station `station` whose times fall within
// [fromUtc, toUtc), values in the station's units (knots for streams).
std::vector<ReferenceEvent> ReferenceEvents(const Constituents& constituents, const Station& station, double fromUtc,
                                       double toUtc);

} // namespace ebbflow
