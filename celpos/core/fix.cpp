#include "celpos/core/fix.h"

#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"
#include "geo/errors.h"
#include "geo/position_text.h"
#include "legplot/core/sailing.h"

#include <algorithm>
#include <cmath>

namespace celpos {
namespace {

constexpr double SecondsPerHour = 3600;
constexpr double HalfTurn = 180, Turn = 360;
constexpr int MostSteps = 50;
// det / (trace / 2)^2 of the normal equations: sin^2 of the angle two
// lines cross at; below sin^2(1 deg) they give no fix.
const double Parallel = std::pow(std::sin(1.0 / geo::DegreesPerRadian), 2);

double Radians(double degrees) { return degrees / geo::DegreesPerRadian; }

// WGS 84 as defined, in the columns SailLeg reads.
const geo::Ellipsoid& Wgs84()
{
    static const geo::Ellipsoid e = [] {
        const geo::EllipsoidDefinition d = geo::DefinedEllipsoid(geo::Wgs84Index);
        const double b = d.a * (1 - d.f), e2 = d.f * (2 - d.f), ep2 = e2 / (1 - e2);
        return geo::Ellipsoid{d.a, b, d.f, std::sqrt(e2), e2, d.a * d.a / b, std::sqrt(ep2), ep2};
    }();
    return e;
}

// `from` sailed `hours` (>= 0) on `course` at `speed`.
Place Sail(Place from, double course, double speed, double hours)
{
    if (hours == 0 || speed == 0)
        return from;
    try {
        const legplot::LegChange leg = legplot::SailLeg(Wgs84(), Radians(from.LatDeg), course, speed, hours);
        return {leg.Phi2 * geo::DegreesPerRadian, std::remainder(from.LonDeg + leg.DeltaLambda * geo::DegreesPerRadian, Turn)};
    } catch (const geo::InvalidOperation&) {
        throw SightError("The run between the sights passes a pole");
    }
}

double FirstUtc(const SightRound& round)
{
    double first = INFINITY;
    for (const Sight& s : round.Sights)
        first = std::min(first, s.WatchUtc - round.Settings.WatchErrorS);
    return first;
}

void RequireValidRun(const Run& run)
{
    if (!(run.CourseDeg >= 0 && run.CourseDeg < Turn))
        throw SightError("The course " + geo::DecimalText(run.CourseDeg) + "\xC2\xB0 is outside 0 to 359.9\xC2\xB0");
    if (!(run.SpeedKn >= 0 && run.SpeedKn <= 60))
        throw SightError("The speed " + geo::DecimalText(run.SpeedKn) + " kn is outside 0 to 60 kn");
}

std::string Numbered(std::size_t i) { return "Sight " + std::to_string(i + 1); }

// Each sight's residual and azimuth from trial fix `x` at `fixUtc`.
struct Misfit {
    std::vector<double> Residuals, Zn;
};
Misfit MisfitAt(const SightRound& round, const std::vector<SightReduction>& reductions, Place x, double fixUtc)
{
    Misfit m;
    const double back = std::fmod(round.Between.CourseDeg + HalfTurn, Turn);
    for (std::size_t i = 0; i < reductions.size(); ++i) {
        const SightReduction& r = reductions[i];
        const Place then = Sail(x, back, round.Between.SpeedKn, (fixUtc - r.Utc) / SecondsPerHour);
        const HorizonPlace p = SightPlace(round.Sights[i], r.Place, then.LatDeg, then.LonDeg);
        m.Residuals.push_back(Intercept(r.Corrections.HoDeg, p.HcDeg));
        m.Zn.push_back(p.ZnDeg);
    }
    return m;
}

std::vector<std::string> Warnings(const Misfit& m)
{
    std::vector<std::string> warnings;
    for (std::size_t i = 0; i < m.Zn.size(); ++i)
        for (std::size_t j = i + 1; j < m.Zn.size(); ++j) {
            const double apart = std::fmod(std::fabs(m.Zn[i] - m.Zn[j]), HalfTurn);
            const double crossing = std::min(apart, HalfTurn - apart);
            if (crossing < WeakCrossingDeg)
                warnings.push_back("Sights " + std::to_string(i + 1) + " and " + std::to_string(j + 1) +
                                   " cross at " + geo::DecimalText(crossing, 0) +
                                   " degrees, less than 30: the fix is weak along their lines");
        }
    for (std::size_t i = 0; i < m.Residuals.size(); ++i)
        if (std::fabs(m.Residuals[i]) > LargeResidualArcmin)
            warnings.push_back(Numbered(i) + " lies " + geo::DecimalText(std::fabs(m.Residuals[i]), 1) +
                               "' off the fix, more than 2': check it");
    return warnings;
}

} // namespace

Place DeadReckoning(const SightRound& round, double utc)
{
    RequireValidRun(round.Between);
    const double hours = (utc - FirstUtc(round)) / SecondsPerHour;
    const Place dr{round.DrLatDeg, round.DrLonDeg};
    if (hours >= 0)
        return Sail(dr, round.Between.CourseDeg, round.Between.SpeedKn, hours);
    return Sail(dr, std::fmod(round.Between.CourseDeg + HalfTurn, Turn), round.Between.SpeedKn, -hours);
}

std::vector<SightReduction> ReduceRound(const SightRound& round, const AlmanacLookup& almanac)
{
    RequireValidRun(round.Between);
    RequireValidSettings(round.Settings);
    if (!(std::fabs(round.DrLatDeg) <= 90 && std::isfinite(round.DrLonDeg)))
        throw SightError("The DR position is off the globe");
    std::vector<SightReduction> reductions;
    for (std::size_t i = 0; i < round.Sights.size(); ++i) {
        const Sight& s = round.Sights[i];
        try {
            const Place dr = DeadReckoning(round, s.WatchUtc - round.Settings.WatchErrorS);
            reductions.push_back(ReduceSight(s, round.Settings, dr.LatDeg, dr.LonDeg, almanac));
        } catch (const std::exception& e) {
            throw SightError(Numbered(i) + ": " + e.what());
        }
    }
    return reductions;
}

Fix FixPosition(const SightRound& round, const AlmanacLookup& almanac)
{
    if (round.Sights.size() < 2)
        throw SightError("A fix needs two sights or more");
    Fix fix;
    fix.Reductions = ReduceRound(round, almanac);
    fix.Utc = std::ranges::max(fix.Reductions, {}, &SightReduction::Utc).Utc;
    fix.DrAtFix = DeadReckoning(round, fix.Utc);

    Place x = fix.DrAtFix;
    Misfit m = MisfitAt(round, fix.Reductions, x, fix.Utc);
    for (;;) {
        double cc = 0, cs = 0, ss = 0, cr = 0, sr = 0;
        for (std::size_t i = 0; i < m.Zn.size(); ++i) {
            const double c = std::cos(Radians(m.Zn[i])), s = std::sin(Radians(m.Zn[i]));
            cc += c * c;
            cs += c * s;
            ss += s * s;
            cr += c * m.Residuals[i];
            sr += s * m.Residuals[i];
        }
        const double det = cc * ss - cs * cs, half = (cc + ss) / 2;
        if (!(det >= Parallel * half * half))
            throw SightError("The lines of position are parallel: they give no fix");
        const double north = (ss * cr - cs * sr) / det, east = (cc * sr - cs * cr) / det; // nautical miles
        x.LatDeg = std::clamp(x.LatDeg + north / geo::MinutesPerDegree, -90.0, 90.0);
        x.LonDeg = std::remainder(x.LonDeg + east / geo::MinutesPerDegree / std::cos(Radians(x.LatDeg)), Turn);
        m = MisfitAt(round, fix.Reductions, x, fix.Utc);
        ++fix.Iterations;
        if (!std::isfinite(x.LonDeg) || fix.Iterations > MostSteps)
            throw SightError("The fix does not settle: the sights do not agree on a position");
        if (std::hypot(north, east) < SettledNm)
            break;
    }
    fix.LatDeg = x.LatDeg;
    fix.LonDeg = x.LonDeg;
    fix.ResidualsArcmin = m.Residuals;
    fix.ZnDeg = m.Zn;
    fix.Warnings = Warnings(m);
    return fix;
}

} // namespace celpos
