#include "ebbflow/core/prediction_curve.h"

#include "ebbflow/core/harmonics.h"
#include "ebbflow/core/reference_events.h"
#include "geo/constants.h"

#include <algorithm>
#include <cmath>

namespace ebbflow {
namespace {

// How far around the span a subordinate station's events are looked for,
// so that the curve reaches the span's ends (events lie half a day apart
// at most, and their offsets shift them by up to 41 hours).
constexpr double EventMargin = 2 * 86400.0;

// The value between events `a` and `b` at `t`, on half a cosine wave.
double Between(const TideEvent& a, const TideEvent& b, double t)
{
    const double f = (t - a.Time) / (b.Time - a.Time);
    return a.Value + (b.Value - a.Value) * (1 - std::cos(geo::Pi * f)) / 2;
}

constexpr int MostSamples = 1 << 20;

} // namespace

Curve PredictCurve(const TideDatabase& db, const Station& station, double fromUtc, double toUtc, int samples,
                   HeightUnits units)
{
    Curve curve;
    samples = std::clamp(samples, 1, MostSamples);
    const double step = (toUtc - fromUtc) / samples;
    if (station.IsReference()) {
        CheckPredictionSpan(fromUtc, toUtc);
        const Units shown = ValueUnits(station, units);
        std::vector<YearTerms> years;
        for (int i = 0; i <= samples; ++i) {
            const double t = i == samples ? toUtc : fromUtc + i * step;
            const int year = MeridianYear(station, t);
            if (years.empty() || years.back().Year != year)
                years.push_back(TermsOfYear(db.Harmonics(), station, year));
            const double value = StationValue(station, Sum(years.back(), t).Value);
            curve.Points.push_back({t, ConvertedValue(value, station.Unit, shown)});
        }
        return curve;
    }
    curve.Interpolated = true;
    const std::vector<TideEvent> events =
        PredictEvents(db, station, fromUtc - EventMargin, toUtc + EventMargin, units);
    auto next = events.begin();
    for (int i = 0; i <= samples; ++i) {
        const double t = i == samples ? toUtc : fromUtc + i * step;
        while (next != events.end() && next->Time <= t)
            ++next;
        if (next == events.begin() || next == events.end())
            continue;
        curve.Points.push_back({t, Between(*(next - 1), *next, t)});
    }
    return curve;
}

} // namespace ebbflow
