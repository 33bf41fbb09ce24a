// The bodies, and the geometric state at an instant that their apparent
// places are built from.
#pragma once

#include "astro/vector.h"

namespace astro {

// The bodies the library places. Planets and stars join here; everything
// after their geometric positions is shared (apparent.h).
enum class Body { Sun, Moon };

struct GeocentricState {
    Vector Moon;               // Moon - Earth, geometric, GCRS axes (km)
    Vector EarthHelio;         // Earth - Sun, BCRS axes (au)
    Vector EarthHelioVelocity; // its rate (au/day)
    Vector EarthBaryVelocity;  // the Earth's velocity relative to the barycentre (au/day)
    Matrix Npb;                // GCRS -> true equator and equinox of date
    double EquationOfOrigins;  // ERA - GAST (radians)
    double TrueObliquity;      // of the ecliptic of date, IAU 2006 plus nutation (radians)
};

enum class Evaluation {
    Interpolated, // from the fitted spans (what every computation uses)
    Direct,       // from the series themselves (to measure the above)
};

} // namespace astro
