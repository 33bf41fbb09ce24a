#include "astro/lunar_series.h"

#include "astro/time_scales.h"

#include <erfa.h>
#include <libnova/lunar.h>

#include <mutex>

namespace astro {
namespace {

constexpr double FullPrecision = 0.0; // every term of the series

std::mutex LibnovaLock;

// GCRS -> mean ecliptic and equinox of J2000 (IAU 2006).
Matrix EclipticJ2000()
{
    Matrix r;
    eraEcm06(J2000, 0.0, r.m);
    return r;
}

} // namespace

Vector MoonSeriesGcrs(double tt)
{
    static const Matrix ecliptic = EclipticJ2000();
    ln_rect_posn moon{};
    {
        const std::lock_guard<std::mutex> lock(LibnovaLock);
        ln_get_lunar_geo_posn(J2000 + tt, &moon, FullPrecision);
    }
    return RotateBack(ecliptic, Vector{{moon.X, moon.Y, moon.Z}});
}

} // namespace astro
