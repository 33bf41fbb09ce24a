#include "geo/arcs.h"

#include <cmath>

namespace geo {
namespace {

// The coefficients of the meridian-distance series, each rounded to double
// once it is computed, as the arc and its rate both expect.
struct ArcSeries {
    double A0, A2, A4, A6;
};

ArcSeries SeriesOf(const Ellipsoid& ellipsoid)
{
    const long double e2 = ellipsoid.e2;
    const long double e4 = e2 * e2;
    const long double e6 = e4 * e2;
    ArcSeries s{};
    s.A0 = static_cast<double>(1.0L - e2 / 4.0L - 3.0L * e4 / 64.0L - 5.0L * e6 / 256.0L);
    s.A2 = static_cast<double>(0.375L * (e2 + e4 / 4.0L + 15.0L * e6 / 128.0L));
    s.A4 = static_cast<double>(0.05859375L * (e4 + 3.0L * e6 / 4.0L));
    s.A6 = static_cast<double>(35.0L / 3072.0L * e6);
    return s;
}

// sin and cos of 2phi, 4phi and 6phi, the harmonics of both series.
struct Harmonics {
    long double s2, c2, s4, c4, s6, c6;
};

Harmonics HarmonicsOf(long double phi)
{
    return {std::sin(2.0L * phi), std::cos(2.0L * phi), std::sin(4.0L * phi),
            std::cos(4.0L * phi), std::sin(6.0L * phi), std::cos(6.0L * phi)};
}

long double ArcSum(const ArcSeries& s, long double phi, const Harmonics& h)
{
    long double sum = s.A0 * phi - s.A2 * h.s2;
    sum = sum + s.A4 * h.s4;
    sum = sum - s.A6 * h.s6;
    return sum;
}

long double RateSum(const ArcSeries& s, const Harmonics& h)
{
    long double sum = s.A0 - 2.0L * s.A2 * h.c2;
    sum = sum + 4.0L * s.A4 * h.c4;
    sum = sum - 6.0L * s.A6 * h.c6;
    return sum;
}

} // namespace

double PrimeVerticalRadius(Ellipsoid ellipsoid, double phi)
{
    const long double s = std::sin(static_cast<long double>(phi));
    const long double e2 = ellipsoid.e2;
    return static_cast<double>(ellipsoid.a / std::sqrt(1.0L - e2 * s * s));
}

double MeridianArc(Ellipsoid ellipsoid, double phi)
{
    return MeridianArcAndRate(ellipsoid, phi).Arc;
}

double MeridianArcRate(Ellipsoid ellipsoid, double phi)
{
    return MeridianArcAndRate(ellipsoid, phi).Rate;
}

ArcAndRate MeridianArcAndRate(Ellipsoid ellipsoid, double phi)
{
    const ArcSeries s = SeriesOf(ellipsoid);
    const Harmonics h = HarmonicsOf(phi);
    return {static_cast<double>(ellipsoid.a * ArcSum(s, phi, h)), static_cast<double>(ellipsoid.a * RateSum(s, h))};
}

} // namespace geo
