// The bodies a navigator can take at an instant from a position: every
// navigational star (the 57 and Polaris), planet and the Moon whose
// computed altitude lies between 15 and 75 degrees, where a sextant
// altitude is neither spoilt by refraction near the horizon nor hard to
// swing near the zenith.
//
// Conventions: Hc and Zn are what sight reduction computes from the
// almanac's GHA and declination (celpos::ComputedPlace): geocentric, the
// Earth a sphere in the celestial triangle with the geodetic latitude,
// no refraction. For the stars this is the altitude seen from the deck
// within a few arc-seconds; the planets appear lower by their parallax in
// altitude (under 0.5'), the Moon by up to a degree. Azimuths from true
// north through east. Magnitudes as the almanac gives them; the Moon has
// none and is counted the brightest. UT1 is taken as UTC.
#pragma once

#include "astro/almanac.h"

#include <optional>
#include <string>
#include <vector>

namespace obsprep {

inline constexpr double LowestAltitude = 15.0;  // degrees, inclusive
inline constexpr double HighestAltitude = 75.0; // degrees, inclusive

struct SkyBody {
    std::string Body; // the almanac's spelling
    astro::BodyKind Kind;
    double HcDeg;
    double ZnDeg; // [0, 360)
    std::optional<double> Magnitude;
    int Index = 0; // in AlmanacBodies(): the order ties keep
};

enum class Order {
    Brightness, // brightest first (the Moon, then by magnitude), ties in the almanac's order
    Azimuth,    // by Zn from 000 round through east
};

// The bodies between LowestAltitude and HighestAltitude at `utc` seen from
// latitude `latDeg` and longitude `lonDeg` (degrees, north and east
// positive), in `order`. Throws astro::AstroError for an instant outside
// 1900 to 2100.
std::vector<SkyBody> BodiesInBand(double latDeg, double lonDeg, double utc, Order order);

// `bodies` put in `order`, ties in the almanac's order.
void Arrange(std::vector<SkyBody>& bodies, Order order);

} // namespace obsprep
