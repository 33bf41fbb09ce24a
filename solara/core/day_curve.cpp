#include "solara/core/day_curve.h"

#include "astro/horizon.h"

namespace solara {
namespace {

// The Sun's centre when its upper limb touches the sea horizon from an eye
// at the water: 34' of refraction and 16' of semi-diameter.
constexpr double SunriseCentre = -(34.0 + 16.0) / 60.0;

} // namespace

Light LightAt(double sunAltitude)
{
    if (sunAltitude >= SunriseCentre)
        return Light::Day;
    if (sunAltitude >= astro::CivilTwilight)
        return Light::Civil;
    if (sunAltitude >= astro::NauticalTwilight)
        return Light::Nautical;
    if (sunAltitude >= astro::AstronomicalTwilight)
        return Light::Astronomical;
    return Light::Night;
}

std::vector<AltitudeSample> DayCurve(const astro::Observer& observer, const timezones::DayBounds& day, int count)
{
    std::vector<AltitudeSample> samples;
    if (day.Length() <= 0 || count < 2)
        return samples;
    const auto start = static_cast<double>(day.Start), length = static_cast<double>(day.Length());
    for (int i = 0; i < count; ++i) {
        const double t = start + length * i / (count - 1);
        samples.push_back({t, astro::AltitudeAt(astro::Body::Sun, observer, t), astro::AltitudeAt(astro::Body::Moon, observer, t)});
    }
    return samples;
}

} // namespace solara
