#include "astro/lunar_series.h"

#include "astro/time_scales.h"

#include <erfa.h>
#include <libnova/lunar.h>

#include <mutex>

namespace astro {
namespace {

// libnova's precision argument: terms of smaller amplitude are left out.
constexpr double TruncatedPrecision = 1e-8;
constexpr double FullPrecision = 0.0; // every term of the series

std::mutex LibnovaLock;

// GCRS -> mean ecliptic and equinox of J2000 (IAU 2006).
Matrix EclipticJ2000()
{
    Matrix r;
    eraEcm06(J2000, 0.0, r.m);
    return r;
}

Vector SeriesGcrs(double tt, double precision)
{
    static const Matrix ecliptic = EclipticJ2000();
    ln_rect_posn moon{};
    {
        const std::lock_guard<std::mutex> lock(LibnovaLock);
        ln_get_lunar_geo_posn(J2000 + tt, &moon, precision);
    }
    return RotateBack(ecliptic, Vector{{moon.X, moon.Y, moon.Z}});
}

} // namespace

Vector MoonSeriesGcrs(double tt)
{
    return SeriesGcrs(tt, TruncatedPrecision);
}

Vector MoonFullSeriesGcrs(double tt)
{
    return SeriesGcrs(tt, FullPrecision);
}

} // namespace astro
