#include "obsprep/core/sky_list.h"

#include "celpos/core/computed_altitude.h"

#include <algorithm>
#include <limits>

namespace obsprep {
namespace {

// Brighter than any magnitude: where the Moon, which has none, sorts.
constexpr double Brightest = -std::numeric_limits<double>::infinity();

bool Listed(astro::BodyKind kind)
{
    return kind == astro::BodyKind::Star || kind == astro::BodyKind::Planet || kind == astro::BodyKind::Moon;
}

} // namespace

void Arrange(std::vector<SkyBody>& bodies, Order order)
{
    std::ranges::sort(bodies, {}, &SkyBody::Index);
    if (order == Order::Azimuth)
        std::ranges::stable_sort(bodies, {}, &SkyBody::ZnDeg);
    else
        std::ranges::stable_sort(bodies, {}, [](const SkyBody& b) { return b.Magnitude.value_or(Brightest); });
}

std::vector<SkyBody> BodiesInBand(double latDeg, double lonDeg, double utc, Order order)
{
    std::vector<SkyBody> bodies;
    const std::vector<std::string> names = astro::AlmanacBodies();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const astro::AlmanacEntry entry = astro::Almanac(names[i], utc);
        if (!Listed(entry.Kind) || !entry.DecDeg) continue;
        const celpos::HorizonPlace seen = celpos::ComputedPlace(latDeg, lonDeg, entry.GhaDeg, *entry.DecDeg);
        if (seen.HcDeg >= LowestAltitude && seen.HcDeg <= HighestAltitude)
            bodies.push_back({entry.Body, entry.Kind, seen.HcDeg, seen.ZnDeg,
                              entry.Kind == astro::BodyKind::Moon ? std::nullopt : entry.Magnitude,
                              static_cast<int>(i)});
    }
    Arrange(bodies, order);
    return bodies;
}

} // namespace obsprep
