// The computed voyage as a GPX 1.1 route, the form in which chart plotters
// and chart programs take a route.
#pragma once

#include "legplot/core/voyage.h"

#include <string>

namespace legplot {

// One route point for the start ("Start") and one for the end of every leg
// sailed ("Leg 1", ...), with its arrival time; the departure is taken as
// UTC. A leg is sailed when it has an interval (even at speed 0) and was
// computed. The route ends at the first leg not sailed; legs sailed after
// an empty leg start from 0°, 0° and form a route of their own, which
// starts there (at the empty leg's end) and says so, so that no line joins points no leg joins.
// Positions in decimal degrees, the shortest decimals (at least seven) that
// read back as the same numbers; longitudes brought into -180..180.
std::string GpxRoute(const VoyagePlan& plan);

} // namespace legplot
