#include "astro/apparent.h"

#include "astro/time_scales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace astro {
namespace {

constexpr double KmPerAu = ERFA_DAU / 1000.0;
constexpr double LightKmPerDay = ERFA_CMPS / 1000.0 * SecondsPerDay;
constexpr double LightAuPerDay = ERFA_DC;

// Annual aberration of a direction seen from the Earth's centre.
Vector Aberrated(Vector p, const GeocentricState& now)
{
    double r = 0, unit[3];
    eraPn(p.v, &r, unit);
    double v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = now.EarthBaryVelocity.v[i] / LightAuPerDay;
    const double bm1 = std::sqrt(1.0 - eraPdp(v, v));
    double apparent[3];
    eraAb(unit, v, Length(now.EarthHelio), bm1, apparent);
    Vector out;
    eraSxp(r, apparent, out.v);
    return out;
}

} // namespace

Vector ApparentFromState(Body body, double tt, const GeocentricState& now, const std::function<Vector(double)>& moonAt)
{
    Vector gcrs{};
    if (body == Body::Moon) {
        gcrs = now.Moon;
        // Twice: the light time to 1e-8 s of the Moon's 1.3 s.
        for (int pass = 0; pass < 2; ++pass)
            gcrs = moonAt(tt - Length(gcrs) / LightKmPerDay);
    } else {
        // The Earth's position now, the Sun's when the light left it.
        const double lightTime = Length(now.EarthHelio) / LightAuPerDay;
        for (int i = 0; i < 3; ++i)
            gcrs.v[i] = (-now.EarthHelio.v[i] + lightTime * (now.EarthHelioVelocity.v[i] - now.EarthBaryVelocity.v[i]))
                * KmPerAu;
        gcrs = Aberrated(gcrs, now);
    }
    return Rotate(now.Npb, gcrs);
}

} // namespace astro
