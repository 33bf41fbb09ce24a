// make_ephemeris OUTPUT: fits the apparent spans of the library's years
// (1900-2100 and the searches' margin) from the series themselves, writes
// them as the table the library links (ephemeris_table.h), and measures
// the table against the direct series. Run by scripts/make-ephemeris.
#include "astro/apparent.h"
#include "astro/ephemeris_spans.h"
#include "astro/ephemeris_table.h"
#include "astro/lunar_series.h"
#include "astro/time_scales.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace astro;

constexpr double ArcsecondsPerRadian = 206264.80624709636;
// Where in each span the table is held against the series: fractions of
// the span, the ends included, so that every span is measured at
// different phases of the Moon's and the nutation's terms.
constexpr double Fractions[] = {0.0, 0.013, 0.137, 0.31, 0.5, 0.618, 0.77, 0.911, 0.987, 0.9999};

double AngleApart(const Vector& a, const Vector& b)
{
    double cross[3];
    Vector aa = a, bb = b;
    eraPxp(aa.v, bb.v, cross);
    return std::atan2(eraPm(cross), eraPdp(aa.v, bb.v)) * ArcsecondsPerRadian;
}

double Apart(const Vector& a, const Vector& b)
{
    return Length(Minus(a, b));
}

struct Worst {
    double SunArcsec = 0, SunKm = 0, MoonArcsec = 0, MoonKm = 0, OriginsArcsec = 0, ObliquityArcsec = 0;
    double QuantisedSunKm = 0, QuantisedMoonKm = 0, QuantisedAngle = 0; // decoded against fitted
};

std::string DateOf(double tt)
{
    const std::time_t t = static_cast<std::time_t>(std::floor((tt + UnixEpochToJ2000Days) * SecondsPerDay));
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d", std::gmtime(&t));
    return text;
}

int Run(const std::string& output)
{
    // The instants the time scales reach, in TT.
    const double first = TimeFromUtc(FirstSupportedUtc - SupportMarginSeconds).Tt;
    const double last = TimeFromUtc(EndSupportedUtc + SupportMarginSeconds - 1.0).Tt;
    const long long from = spans::SpanIndex(first), to = spans::SpanIndex(last);

    std::vector<spans::ApparentSpan> fitted;
    for (long long i = from; i <= to; ++i) {
        fitted.push_back(spans::FitApparent(spans::FitState(i)));
        if ((i - from) % 500 == 0)
            std::fprintf(stderr, "fitted %lld of %lld spans\n", i - from, to - from + 1);
    }
    const std::vector<std::uint8_t> bytes = table::Encode(fitted);
    const table::Table checked(bytes);

    Worst w;
    for (const spans::ApparentSpan& fit : fitted) {
        const spans::ApparentSpan decoded = checked.SpanAt(fit.Index);
        for (const double f : Fractions) {
            const double tt = fit.Middle + (f - 0.5) * spans::SpanDays;
            const GeocentricState direct = spans::DirectState(tt);
            const Vector sun = ApparentFromState(Body::Sun, tt, direct, MoonSeriesGcrs);
            const Vector moon = ApparentFromState(Body::Moon, tt, direct, MoonSeriesGcrs);
            const Vector sunTable = decoded.VectorAt(spans::SunApparentRow, tt);
            const Vector moonTable = decoded.VectorAt(spans::MoonApparentRow, tt);
            w.SunArcsec = std::max(w.SunArcsec, AngleApart(sun, sunTable));
            w.SunKm = std::max(w.SunKm, Apart(sun, sunTable));
            w.MoonArcsec = std::max(w.MoonArcsec, AngleApart(moon, moonTable));
            w.MoonKm = std::max(w.MoonKm, Apart(moon, moonTable));
            w.OriginsArcsec = std::max(w.OriginsArcsec, std::fabs(decoded.Value(spans::EquationOfOriginsRow, tt)
                                                                  - direct.EquationOfOrigins) * ArcsecondsPerRadian);
            w.ObliquityArcsec = std::max(w.ObliquityArcsec, std::fabs(decoded.Value(spans::TrueObliquityRow, tt)
                                                                      - direct.TrueObliquity) * ArcsecondsPerRadian);
            w.QuantisedSunKm = std::max(w.QuantisedSunKm, Apart(sunTable, fit.VectorAt(spans::SunApparentRow, tt)));
            w.QuantisedMoonKm = std::max(w.QuantisedMoonKm, Apart(moonTable, fit.VectorAt(spans::MoonApparentRow, tt)));
            for (const int row : {spans::EquationOfOriginsRow, spans::TrueObliquityRow})
                w.QuantisedAngle = std::max(w.QuantisedAngle, std::fabs(decoded.Value(row, tt) - fit.Value(row, tt)));
        }
        if ((fit.Index - from) % 500 == 0)
            std::fprintf(stderr, "measured %lld of %lld spans\n", fit.Index - from, to - from + 1);
    }

    // Written whole or not at all.
    const std::string partial = output + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "make_ephemeris: %s could not be written\n", partial.c_str());
            std::remove(partial.c_str());
            return 1;
        }
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::fprintf(stderr, "make_ephemeris: %s could not be replaced\n", output.c_str());
        std::remove(partial.c_str());
        return 1;
    }

    const std::size_t n = fitted.size();
    std::printf("spans %lld to %lld (%zu of %g days): TT %s to %s\n", from, to, n, spans::SpanDays,
                DateOf(from * spans::SpanDays).c_str(), DateOf((to + 1) * spans::SpanDays).c_str());
    std::printf("size %zu bytes (%zu a span)\n", bytes.size(), (bytes.size() - 8) / n);
    std::printf("against the direct series at %zu instants (%zu a span), at worst:\n", n * std::size(Fractions),
                std::size(Fractions));
    std::printf("  Sun   %.2e\" in direction, %.3f m\n", w.SunArcsec, w.SunKm * 1000);
    std::printf("  Moon  %.2e\" in direction, %.3f m\n", w.MoonArcsec, w.MoonKm * 1000);
    std::printf("  equation of the origins %.2e\", true obliquity %.2e\"\n", w.OriginsArcsec, w.ObliquityArcsec);
    std::printf("rounding against the fitted series, at worst: Sun %.2e m, Moon %.2e m, angles %.2e\"\n",
                w.QuantisedSunKm * 1000, w.QuantisedMoonKm * 1000, w.QuantisedAngle * ArcsecondsPerRadian);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ephemeris OUTPUT\n");
        return 2;
    }
    try {
        return Run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_ephemeris: %s\n", e.what());
        return 1;
    }
}
