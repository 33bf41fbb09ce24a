#include "legplot/core/sailing.h"

#include "geo/arcs.h"
#include "geo/errors.h"

#include <cmath>

namespace legplot {
namespace {

constexpr long double Pi = 3.141592653589793L;
constexpr long double QuarterPi = 0.785398163397448309615660845819875721L; // to full extended precision
constexpr double HalfPi = 1.5707963267948966;       // the pole, as a double
constexpr long double MetresPerMile = 1852.0L;
constexpr long double ArcMinutesPerPi = 10800.0L;   // one mile counts as one arc-minute
constexpr long double LatitudeTolerance = 0.00001L; // degrees
constexpr double FullCircle = 360.0;

double Finite(long double x)
{
    const double d = static_cast<double>(x);
    if (!std::isfinite(d))
        throw geo::InvalidOperation();
    return d;
}

} // namespace

double IsometricLatitude(double phi, double e)
{
    const long double p = phi;
    const long double tangent = std::tan(p / 2.0L + QuarterPi);
    const long double es = e * std::sin(p);
    const long double ratio = (1.0L + es) / (1.0L - es);
    // The logarithm of a number that is not positive has no value: the
    // latitude is at or past a pole.
    if (!(tangent > 0) || !(ratio > 0))
        throw geo::InvalidOperation();
    return Finite(std::log(tangent) - e / 2.0L * std::log(ratio));
}

LegChange SailLeg(const geo::Ellipsoid& ellipsoid, double phi, double courseDegrees, double speedKnots,
                  double intervalHours)
{
    // 450 points where 90 does; sailed as 450 it would take the rhumb
    // branch with a tangent of about 1e16.
    const double course = courseDegrees >= FullCircle ? std::fmod(courseDegrees, FullCircle) : courseDegrees;
    const long double cr = course / DegreesPerRadian;
    const long double distance = static_cast<long double>(speedKnots) * intervalHours; // nautical miles

    if (course == 90.0 || course == 270.0) {
        const long double along = std::sin(cr) * MetresPerMile * speedKnots * intervalHours;
        const long double radius = std::cos(static_cast<long double>(phi)) * geo::PrimeVerticalRadius(ellipsoid, phi);
        return {phi, Finite(along / radius)};
    }

    const long double northing = std::cos(cr) * distance; // nautical miles, signed
    double phi2 = Finite(phi + northing * Pi / ArcMinutesPerPi);
    const long double s1 = geo::MeridianArc(ellipsoid, phi);
    double previous = HalfPi;
    // Newton steps on M(phi2) - M(phi) = northing. The first step is always
    // taken, so a first estimate near the pole is still brought onto the
    // ellipsoid.
    int corrections = 0;
    do {
        if (corrections++ == MaxCorrections)
            throw geo::InvalidOperation();
        previous = phi2;
        const geo::ArcAndRate m = geo::MeridianArcAndRate(ellipsoid, phi2);
        const long double misfit = northing * MetresPerMile - (m.Arc - s1);
        phi2 = Finite(phi2 + misfit / m.Rate);
    } while (std::fabs(phi2 * DegreesPerRadian - previous * DegreesPerRadian) > LatitudeTolerance);

    if (std::fabs(phi2) > HalfPi)
        throw geo::InvalidOperation(); // past a pole
    const long double psi = static_cast<long double>(IsometricLatitude(phi2, ellipsoid.e)) -
                            IsometricLatitude(phi, ellipsoid.e);
    return {phi2, Finite(std::tan(cr) * psi)};
}

} // namespace legplot
