#include "astro/moon_phase.h"

#include "astro/bodies.h"
#include "astro/ephemeris.h"
#include "astro/root_finding.h"
#include "astro/time_scales.h"

#include <cmath>

namespace astro {
namespace {

constexpr double MeanElongationRate = 360.0 / 29.530589 / SecondsPerDay; // degrees a second, the synodic month
constexpr double NewMoonBracket = 1.5 * SecondsPerDay; // around the predicted new moon (the rate varies by 20 %)
constexpr double Step = SecondsPerDay;                 // the elongation grows 10 to 15.5 degrees a day
constexpr double Tolerance = 0.05;                     // seconds

double Elongation(double utc)
{
    const double tt = TimeFromUtc(utc).Tt;
    return std::fmod(ApparentEclipticLongitude(Body::Moon, tt) - ApparentEclipticLongitude(Body::Sun, tt) + 360.0, 360.0);
}

// The instant in [a, b] where the elongation is `target` (degrees); the
// elongation must pass it there, and change by under 180 degrees.
double ElongationReaches(double target, double a, double b)
{
    const auto offset = [target](double utc) { return std::remainder(Elongation(utc) - target, 360.0); };
    return FindRoot(offset, a, b, offset(a), offset(b), Tolerance);
}

} // namespace

MoonPhase MoonPhaseAt(double utc)
{
    RequireSupportedInstant(utc);
    MoonPhase phase{};
    const double tt = TimeFromUtc(utc).Tt;
    const Vector sun = ApparentPosition(Body::Sun, tt);
    const Vector moon = ApparentPosition(Body::Moon, tt);
    Vector toSun = Minus(sun, moon);
    Vector toEarth{{-moon.v[0], -moon.v[1], -moon.v[2]}};
    const double cosine = eraPdp(toSun.v, toEarth.v) / (Length(toSun) * Length(toEarth));
    phase.IlluminatedFraction = (1.0 + cosine) / 2.0;
    phase.PhaseAngle = Elongation(utc);
    const double predicted = utc - phase.PhaseAngle / MeanElongationRate;
    const double newMoon = ElongationReaches(0.0, predicted - NewMoonBracket, std::fmin(predicted + NewMoonBracket, utc));
    phase.Age = (utc - newMoon) / SecondsPerDay;
    return phase;
}

std::vector<PrincipalPhase> PrincipalPhases(double start, double end)
{
    RequireSupportedInterval(start, end);
    std::vector<PrincipalPhase> phases;
    double a = start, ea = Elongation(a);
    while (a < end) {
        const double b = std::fmin(a + Step, end);
        const double eb = Elongation(b);
        // Quarters in [ea, eb), eb unwrapped past 360 when the new moon
        // falls in between.
        const double unwrapped = eb < ea ? eb + 360.0 : eb;
        const double first = std::ceil(ea / 90.0);
        for (double k = first; k * 90.0 < unwrapped; ++k) {
            const double target = std::fmod(k * 90.0, 360.0);
            const double at = target == ea ? a : ElongationReaches(target, a, b);
            if (at >= start && at < end)
                phases.push_back({static_cast<PrincipalPhaseKind>(static_cast<int>(target / 90.0)), at});
        }
        a = b;
        ea = eb;
    }
    return phases;
}

} // namespace astro
