// The day's picture in numbers: the Sun's and the Moon's true altitudes
// over the local day, and which part of the day each instant belongs to
// (day, the three twilights, night), for a picture a navigator looks at
// rather than reads.
#pragma once

#include "astro/observer.h"
#include "timezones/zone_day.h"

#include <vector>

namespace solara {

// The part of the day by the Sun's centre: above the horizon's -50' (the
// Sun's upper limb about on the horizon, for an eye at the sea), civil
// twilight down to -6, nautical to -12, astronomical to -18, night below.
enum class Light { Day, Civil, Nautical, Astronomical, Night };

Light LightAt(double sunAltitude);

struct AltitudeSample {
    double Utc;  // UTC seconds
    double Sun;  // true altitude of the centre, topocentric (degrees)
    double Moon; // the same for the Moon
};

// `count` samples (at least 2) evenly spread over the day, from its start
// to its end, both included. A day of no length has none.
std::vector<AltitudeSample> DayCurve(const astro::Observer& observer, const timezones::DayBounds& day, int count);

} // namespace solara
