#include "astro/ephemeris_spans.h"

#include "astro/apparent.h"
#include "astro/chebyshev.h"
#include "astro/lunar_series.h"
#include "astro/time_scales.h"

#include <erfa.h>

#include <cmath>
#include <vector>

namespace astro::spans {
namespace {

// The state's rows, in the order of GeocentricState.
enum StateRow {
    MoonRow = 0,
    EarthHelioRow = 3,
    EarthHelioVelocityRow = 6,
    EarthBaryVelocityRow = 9,
    NpbRow = 12,
    StateEquationOfOriginsRow = 21,
    StateTrueObliquityRow = 22,
};
static_assert(StateTrueObliquityRow + 1 == StateRows);

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
    q[StateEquationOfOriginsRow] = s.EquationOfOrigins;
    q[StateTrueObliquityRow] = s.TrueObliquity;
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
    s.EquationOfOrigins = q[StateEquationOfOriginsRow];
    s.TrueObliquity = q[StateTrueObliquityRow];
    return s;
}

// The span's instants, node j at Middle + x_j SpanDays / 2.
std::vector<double> NodeTimes(double middle)
{
    static const std::vector<double> nodes = ChebyshevNodes(Nodes);
    std::vector<double> times(Nodes);
    for (int j = 0; j < Nodes; ++j)
        times[j] = middle + nodes[j] * SpanDays / 2;
    return times;
}

void Fit(double (*coefficients)[Nodes], const std::vector<double>& values)
{
    const std::vector<double> c = ChebyshevCoefficients(values);
    for (int k = 0; k < Nodes; ++k)
        (*coefficients)[k] = c[k];
}

} // namespace

long long SpanIndex(double tt)
{
    return static_cast<long long>(std::floor(tt / SpanDays));
}

template <int Rows>
double Span<Rows>::Value(int row, double tt) const
{
    return ChebyshevValue(Coefficients[row], Nodes, X(tt));
}

template <int Rows>
Vector Span<Rows>::VectorAt(int row, double tt) const
{
    const double* series[3] = {Coefficients[row], Coefficients[row + 1], Coefficients[row + 2]};
    Vector p;
    ChebyshevValues(series, Nodes, X(tt), p.v);
    return p;
}

template struct Span<StateRows>;
template struct Span<ApparentRows>;

Orientation DirectOrientation(double tt)
{
    // IAU 2000A nutation once; the matrix and the equation of the origins
    // from it as eraPnm06a and eraEo06a compute them, each of which would
    // sum the series again.
    Orientation o{};
    double dpsi = 0, deps = 0;
    eraNut06a(J2000, tt, &dpsi, &deps);
    double epsa = 0, rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraPn06(J2000, tt, dpsi, deps, &epsa, rb, rp, rbp, rn, o.Npb.m);
    double x = 0, y = 0;
    eraBpn2xy(o.Npb.m, &x, &y);
    o.EquationOfOrigins = eraEors(o.Npb.m, eraS06(J2000, tt, x, y));
    o.TrueObliquity = eraObl06(J2000, tt) + deps;
    return o;
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
    const Orientation o = DirectOrientation(tt);
    s.Npb = o.Npb;
    s.EquationOfOrigins = o.EquationOfOrigins;
    s.TrueObliquity = o.TrueObliquity;
    return s;
}

StateSpan FitState(long long index)
{
    StateSpan span{};
    span.Index = index;
    span.Middle = (index + 0.5) * SpanDays;
    const std::vector<double> times = NodeTimes(span.Middle);
    std::vector<std::vector<double>> values(StateRows, std::vector<double>(Nodes));
    for (int j = 0; j < Nodes; ++j) {
        double q[StateRows];
        Flatten(DirectState(times[j]), q);
        for (int k = 0; k < StateRows; ++k)
            values[k][j] = q[k];
    }
    for (int k = 0; k < StateRows; ++k)
        Fit(&span.Coefficients[k], values[k]);
    return span;
}

GeocentricState StateFrom(const StateSpan& span, double tt)
{
    double q[StateRows];
    for (int k = 0; k < StateRows; ++k)
        q[k] = span.Value(k, tt);
    return Unflatten(q);
}

ApparentSpan FitApparent(const StateSpan& state)
{
    ApparentSpan span{};
    span.Index = state.Index;
    span.Middle = state.Middle;
    const std::vector<double> times = NodeTimes(span.Middle);
    // The Moon's light time reaches 1.3 s back, inside the span (its first
    // node lies 35 minutes from either end).
    const auto moonAt = [&state](double tt) { return state.VectorAt(MoonRow, tt); };
    std::vector<std::vector<double>> values(6, std::vector<double>(Nodes));
    for (int j = 0; j < Nodes; ++j) {
        const GeocentricState now = StateFrom(state, times[j]);
        const Vector sun = ApparentFromState(Body::Sun, times[j], now, moonAt);
        const Vector moon = ApparentFromState(Body::Moon, times[j], now, moonAt);
        for (int i = 0; i < 3; ++i) {
            values[SunApparentRow + i][j] = sun.v[i];
            values[MoonApparentRow + i][j] = moon.v[i];
        }
    }
    for (int k = 0; k < 6; ++k)
        Fit(&span.Coefficients[k], values[k]);
    for (int k = 0; k < Nodes; ++k) {
        span.Coefficients[EquationOfOriginsRow][k] = state.Coefficients[StateEquationOfOriginsRow][k];
        span.Coefficients[TrueObliquityRow][k] = state.Coefficients[StateTrueObliquityRow][k];
    }
    return span;
}

} // namespace astro::spans
