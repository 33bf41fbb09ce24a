// The spans the interpolated ephemeris is made of (ephemeris.h): Chebyshev
// series of 20 terms over fixed spans of 16 days of TT from J2000.0, span
// i covering [16 i, 16 (i + 1)) days, fitted at the 20 Chebyshev nodes.
//
// Two kinds of span:
// - the state span: the geometric state (state.h) fitted to the direct
//   series (the Moon's ELP 2000-82B, SOFA's eraEpv00, IAU 2006/2000A
//   precession-nutation);
// - the apparent span: the Sun's and the Moon's apparent positions (km,
//   true equator and equinox of date), then the equation of the origins and
//   the true obliquity (radians), the positions fitted to those the state
//   span gives (apparent.h), the two angles copied from it. This is all a
//   day's events need; the linked table (ephemeris_table.h) holds these.
//
// Internal to the library and to the program that makes the table.
#pragma once

#include "astro/state.h"

namespace astro::spans {

inline constexpr double SpanDays = 16.0;
inline constexpr int Nodes = 20;
// The library's reach in TT (days from J2000.0): late 1898 to early 2101,
// the time scales' and more.
inline constexpr double LimitDays = 37000.0;

// The span holding `tt`, floor(tt / SpanDays); |tt| < LimitDays (|index| < 2400).
long long SpanIndex(double tt);

// The rows of the apparent span.
enum ApparentRow {
    SunApparentRow = 0,  // x, y, z (km)
    MoonApparentRow = 3, // x, y, z (km)
    EquationOfOriginsRow = 6,
    TrueObliquityRow = 7,
    ApparentRows = 8,
};
inline constexpr int StateRows = 23;

// A span's coefficients, Rows series of Nodes terms each, over
// [Middle - SpanDays/2, Middle + SpanDays/2].
template <int Rows>
struct Span {
    long long Index;
    double Middle; // TT (days since J2000.0)
    double Coefficients[Rows][Nodes];

    double X(double tt) const { return 2.0 * (tt - Middle) / SpanDays; }
    double Value(int row, double tt) const;
    Vector VectorAt(int row, double tt) const; // rows row..row+2
};
using StateSpan = Span<StateRows>;
using ApparentSpan = Span<ApparentRows>;

// The state from the series themselves at `tt`.
GeocentricState DirectState(double tt);

// Its part that does not need the Moon's and the Earth's series.
struct Orientation {
    Matrix Npb;
    double EquationOfOrigins;
    double TrueObliquity;
};
Orientation DirectOrientation(double tt);

// The state span `index`, fitted to DirectState (20 evaluations of it).
StateSpan FitState(long long index);

// The state `span` gives at `tt`, inside it.
GeocentricState StateFrom(const StateSpan& span, double tt);

// The apparent span of the same index, from the state span.
ApparentSpan FitApparent(const StateSpan& state);

} // namespace astro::spans
