// The apparent position of a body from the geometric state: one way for
// every body (light time, then aberration where it applies, then the
// rotation to the true equator and equinox of date).
//
// - The Sun: its position when the light left it (its barycentric motion
//   over the light time), seen from the Earth's centre now, with annual
//   aberration (eraAb, the Earth's barycentric velocity); no light
//   deflection (none for the Sun itself).
// - The Moon: its geocentric position retarded by the light time (about
//   1.3 s), with no annual aberration.
#pragma once

#include "astro/state.h"

#include <functional>

namespace astro {

// The apparent position of `body` (km) in the true equator and equinox of
// date at `tt` (days since J2000.0 TT), from the state `now` at tt and,
// for the light time, `moonAt`, the Moon's geometric GCRS position at
// any TT.
Vector ApparentFromState(Body body, double tt, const GeocentricState& now, const std::function<Vector(double)>& moonAt);

} // namespace astro
