#include "astro/ephemeris.h"

#include "astro/apparent.h"
#include "astro/chebyshev.h"
#include "astro/lunar_series.h"
#include "astro/time_scales.h"

#include <erfa.h>

#include <atomic>
#include <cmath>
#include <deque>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace astro {
namespace {

constexpr double SpanDays = 16.0;
constexpr int Nodes = 20;
constexpr std::size_t KeptSpans = 128;
constexpr double LimitDays = 37000.0; // late 1898 to early 2101: the time scales' reach and more

// The fitted quantities, each a row of coefficients: the state in the
// order of GeocentricState, then the Sun's and the Moon's apparent
// positions.
enum Row {
    MoonRow = 0,
    EarthHelioRow = 3,
    EarthHelioVelocityRow = 6,
    EarthBaryVelocityRow = 9,
    NpbRow = 12,
    EquationOfOriginsRow = 21,
    TrueObliquityRow = 22,
    SunApparentRow = 23,
    MoonApparentRow = 26,
    Rows = 29,
};
constexpr int StateRows = SunApparentRow;

void Flatten(const GeocentricState& s, double* q)
{
    for (int i = 0; i < 3; ++i) {
        q[MoonRow + i] = s.Moon.v[i];
        q[EarthHelioRow + i] = s.EarthHelio.v[i];
        q[EarthHelioVelocityRow + i] = s.EarthHelioVelocity.v[i];
        q[EarthBaryVelocityRow + i] = s.EarthBaryVelocity.v[i];
        for (int j = 0; j < 3; ++j)
            q[NpbRow + 3 * i + j] = s.Npb.m[i][j];
    }
    q[EquationOfOriginsRow] = s.EquationOfOrigins;
    q[TrueObliquityRow] = s.TrueObliquity;
}

GeocentricState Unflatten(const double* q)
{
    GeocentricState s{};
    for (int i = 0; i < 3; ++i) {
        s.Moon.v[i] = q[MoonRow + i];
        s.EarthHelio.v[i] = q[EarthHelioRow + i];
        s.EarthHelioVelocity.v[i] = q[EarthHelioVelocityRow + i];
        s.EarthBaryVelocity.v[i] = q[EarthBaryVelocityRow + i];
        for (int j = 0; j < 3; ++j)
            s.Npb.m[i][j] = q[NpbRow + 3 * i + j];
    }
    s.EquationOfOrigins = q[EquationOfOriginsRow];
    s.TrueObliquity = q[TrueObliquityRow];
    return s;
}

GeocentricState DirectState(double tt)
{
    GeocentricState s{};
    s.Moon = MoonSeriesGcrs(tt);
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(J2000, tt, heliocentric, barycentric); // status 1 (beyond 1900-2100) is still fine
    for (int i = 0; i < 3; ++i) {
        s.EarthHelio.v[i] = heliocentric[0][i];
        s.EarthHelioVelocity.v[i] = heliocentric[1][i];
        s.EarthBaryVelocity.v[i] = barycentric[1][i];
    }
    eraPnm06a(J2000, tt, s.Npb.m);
    s.EquationOfOrigins = eraEo06a(J2000, tt);
    double dpsi = 0, deps = 0;
    eraNut06a(J2000, tt, &dpsi, &deps);
    s.TrueObliquity = eraObl06(J2000, tt) + deps;
    return s;
}

struct Span {
    long long Index;
    double Middle; // TT (days since J2000.0)
    double Coefficients[Rows][Nodes];

    double X(double tt) const { return 2.0 * (tt - Middle) / SpanDays; }
    double Value(int row, double tt) const { return ChebyshevValue(Coefficients[row], Nodes, X(tt)); }
    Vector VectorAt(int row, double tt) const
    {
        const double* series[3] = {Coefficients[row], Coefficients[row + 1], Coefficients[row + 2]};
        Vector p;
        ChebyshevValues(series, Nodes, X(tt), p.v);
        return p;
    }
};

void Fit(Span& span, const std::vector<std::vector<double>>& values, int first, int count)
{
    for (int k = first; k < first + count; ++k) {
        const std::vector<double> c = ChebyshevCoefficients(values[k]);
        for (int j = 0; j < Nodes; ++j)
            span.Coefficients[k][j] = c[j];
    }
}

std::shared_ptr<const Span> FitSpan(long long index)
{
    static const std::vector<double> nodes = ChebyshevNodes(Nodes);
    auto span = std::make_shared<Span>();
    span->Index = index;
    span->Middle = (index + 0.5) * SpanDays;
    std::vector<double> times(Nodes);
    for (int j = 0; j < Nodes; ++j)
        times[j] = span->Middle + nodes[j] * SpanDays / 2;

    // The geometric state from the series.
    std::vector<std::vector<double>> values(Rows, std::vector<double>(Nodes));
    for (int j = 0; j < Nodes; ++j) {
        double q[StateRows];
        Flatten(DirectState(times[j]), q);
        for (int k = 0; k < StateRows; ++k)
            values[k][j] = q[k];
    }
    Fit(*span, values, 0, StateRows);

    // The apparent positions from the fitted state; the Moon's light time
    // reaches 1.3 s back, inside the span (its first node lies 35 minutes
    // from either end).
    const auto moonAt = [&span](double tt) { return span->VectorAt(MoonRow, tt); };
    for (int j = 0; j < Nodes; ++j) {
        double q[StateRows];
        for (int k = 0; k < StateRows; ++k)
            q[k] = span->Value(k, times[j]);
        const GeocentricState now = Unflatten(q);
        const Vector sun = ApparentFromState(Body::Sun, times[j], now, moonAt);
        const Vector moon = ApparentFromState(Body::Moon, times[j], now, moonAt);
        for (int i = 0; i < 3; ++i) {
            values[SunApparentRow + i][j] = sun.v[i];
            values[MoonApparentRow + i][j] = moon.v[i];
        }
    }
    Fit(*span, values, SunApparentRow, Rows - SunApparentRow);
    return span;
}

struct FittedSpans {
    std::mutex Lock;
    std::atomic<unsigned> Generation{0}; // counts the clearings
    std::unordered_map<long long, std::shared_ptr<const Span>> Spans;
    std::deque<long long> Order; // oldest first
};

FittedSpans& Kept()
{
    static FittedSpans kept;
    return kept;
}

void RequireSupported(double tt)
{
    if (!(std::fabs(tt) < LimitDays))
        throw TimeRangeError("Dates before 1900 or after 2100 are not supported");
}

std::shared_ptr<const Span> SpanAt(double tt)
{
    RequireSupported(tt);
    const long long index = static_cast<long long>(std::floor(tt / SpanDays)); // |index| < 2400
    FittedSpans& kept = Kept();
    // The span this thread used last, unless the spans were cleared since.
    thread_local std::shared_ptr<const Span> last;
    thread_local unsigned lastGeneration = 0;
    const unsigned generation = kept.Generation.load(std::memory_order_acquire);
    if (last && last->Index == index && lastGeneration == generation)
        return last;
    const std::lock_guard<std::mutex> lock(kept.Lock);
    lastGeneration = kept.Generation.load(std::memory_order_relaxed);
    const auto found = kept.Spans.find(index);
    if (found != kept.Spans.end())
        return last = found->second;
    auto span = FitSpan(index);
    if (kept.Order.size() >= KeptSpans) {
        kept.Spans.erase(kept.Order.front());
        kept.Order.pop_front();
    }
    kept.Spans.emplace(index, span);
    kept.Order.push_back(index);
    return last = span;
}

} // namespace

GeocentricState StateAt(double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return DirectState(tt);
    }
    const std::shared_ptr<const Span> span = SpanAt(tt);
    double q[StateRows];
    for (int k = 0; k < StateRows; ++k)
        q[k] = span->Value(k, tt);
    return Unflatten(q);
}

Vector ApparentPosition(Body body, double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return ApparentFromState(body, tt, DirectState(tt), MoonSeriesGcrs);
    }
    return SpanAt(tt)->VectorAt(body == Body::Sun ? SunApparentRow : MoonApparentRow, tt);
}

ApparentAndOrigins ApparentAt(Body body, double tt, Evaluation how)
{
    if (how == Evaluation::Direct)
        return {ApparentPosition(body, tt, how), EquationOfOriginsAt(tt, how)};
    const std::shared_ptr<const Span> span = SpanAt(tt);
    const int row = body == Body::Sun ? SunApparentRow : MoonApparentRow;
    const double* series[4] = {span->Coefficients[row], span->Coefficients[row + 1], span->Coefficients[row + 2],
                               span->Coefficients[EquationOfOriginsRow]};
    double q[4];
    ChebyshevValues(series, Nodes, span->X(tt), q);
    return {Vector{{q[0], q[1], q[2]}}, q[3]};
}

double EquationOfOriginsAt(double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return eraEo06a(J2000, tt);
    }
    return SpanAt(tt)->Value(EquationOfOriginsRow, tt);
}

double TrueObliquityAt(double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return DirectState(tt).TrueObliquity;
    }
    return SpanAt(tt)->Value(TrueObliquityRow, tt);
}

void ClearFittedSpans()
{
    FittedSpans& kept = Kept();
    const std::lock_guard<std::mutex> lock(kept.Lock);
    kept.Spans.clear();
    kept.Order.clear();
    kept.Generation.fetch_add(1, std::memory_order_release);
}

} // namespace astro
