// The ephemeris table linked into the library: it covers every instant the
// time scales reach, agrees with the series themselves over 1900-2100
// within the interpolation's own error, holds the very spans this library
// fits (so a table left behind by a change of the model fails here), and a
// damaged table is refused with its fault, the spans then fitted anew.
#include "astro/ephemeris.h"
#include "astro/ephemeris_spans.h"
#include "astro/ephemeris_table.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

namespace spans = astro::spans;
namespace table = astro::table;

constexpr double ArcsecondsPerRadian = 206264.80624709636;

// The interpolation's own error, measured by scripts/make-ephemeris at
// 45,930 instants over 1900-2100 (0.913 m and 5.1e-4" for the Moon, 0.091 m
// and 1.3e-7" for the Sun, 1.1e-7" for the angles), with a margin.
constexpr double MoonMetres = 1.0, SunMetres = 0.1;
constexpr double MoonArcseconds = 6e-4, SunArcseconds = 2e-7, AngleArcseconds = 2e-7;

double AngleApart(astro::Vector a, astro::Vector b)
{
    double cross[3];
    eraPxp(a.v, b.v, cross);
    return std::atan2(eraPm(cross), eraPdp(a.v, b.v)) * ArcsecondsPerRadian;
}

double FirstTt()
{
    return astro::TimeFromUtc(astro::FirstSupportedUtc - astro::SupportMarginSeconds).Tt;
}

double LastTt()
{
    return astro::TimeFromUtc(astro::EndSupportedUtc + astro::SupportMarginSeconds - 1).Tt;
}

TEST(EphemerisTable, IsLinkedAndCoversEveryInstantTheTimeScalesReach)
{
    const table::Table* linked = table::LinkedTable();
    ASSERT_NE(linked, nullptr) << table::LinkedTableProblem();
    EXPECT_EQ(table::LinkedTableProblem(), "");
    EXPECT_EQ(linked->FirstIndex(), spans::SpanIndex(FirstTt()));
    EXPECT_EQ(linked->FirstIndex() + linked->SpanCount() - 1, spans::SpanIndex(LastTt()));
}

// Interpolated (from the table, or fitted where it does not reach) against
// the series at `instants`: the worst of each quantity.
void ExpectAsTheSeries(const std::vector<double>& instants)
{
    double moonM = 0, moonAngle = 0, sunM = 0, sunAngle = 0, angles = 0;
    for (const double tt : instants) {
        const auto i = astro::Evaluation::Interpolated, d = astro::Evaluation::Direct;
        const astro::Vector moon = astro::ApparentPosition(astro::Body::Moon, tt, i);
        const astro::Vector moonDirect = astro::ApparentPosition(astro::Body::Moon, tt, d);
        const astro::Vector sun = astro::ApparentPosition(astro::Body::Sun, tt, i);
        const astro::Vector sunDirect = astro::ApparentPosition(astro::Body::Sun, tt, d);
        moonM = std::max(moonM, astro::Length(astro::Minus(moon, moonDirect)) * 1000);
        moonAngle = std::max(moonAngle, AngleApart(moon, moonDirect));
        sunM = std::max(sunM, astro::Length(astro::Minus(sun, sunDirect)) * 1000);
        sunAngle = std::max(sunAngle, AngleApart(sun, sunDirect));
        angles = std::max({angles, std::fabs(astro::EquationOfOriginsAt(tt, i) - astro::EquationOfOriginsAt(tt, d)),
                           std::fabs(astro::TrueObliquityAt(tt, i) - astro::TrueObliquityAt(tt, d))});
    }
    angles *= ArcsecondsPerRadian;
    EXPECT_LT(moonM, MoonMetres);
    EXPECT_LT(moonAngle, MoonArcseconds);
    EXPECT_LT(sunM, SunMetres);
    EXPECT_LT(sunAngle, SunArcseconds);
    EXPECT_LT(angles, AngleArcseconds);
    std::printf("Against the series at %zu instants: Moon %.3f m %.1e\", Sun %.3f m %.1e\", EO and obliquity %.1e\"\n",
                instants.size(), moonM, moonAngle, sunM, sunAngle, angles);
}

TEST(EphemerisTable, AgreesWithTheSeriesFrom1900To2100)
{
    // 600 instants from the first the time scales reach to the last, each
    // at another place in its span (steps of the golden ratio's fraction).
    std::vector<double> instants{FirstTt(), LastTt()};
    constexpr int Count = 600;
    const double step = (LastTt() - FirstTt() - spans::SpanDays) / Count;
    for (int k = 0; k < Count; ++k)
        instants.push_back(FirstTt() + k * step + std::fmod(k * 0.6180339887, 1.0) * spans::SpanDays);
    ExpectAsTheSeries(instants);
}

TEST(EphemerisTable, FittedWhereTheTableDoesNotReach)
{
    // Late 1899 and early 2101, inside the library's reach but before and
    // after every instant the time scales give.
    const std::vector<double> instants = {-36600.25, -36571.9, 36930.5, 36990.125};
    const table::Table* linked = table::LinkedTable();
    ASSERT_NE(linked, nullptr);
    for (const double tt : instants)
        EXPECT_FALSE(linked->Covers(spans::SpanIndex(tt))) << tt;
    ExpectAsTheSeries(instants);
}

void ExpectSameSpans(const spans::ApparentSpan& decoded, const spans::ApparentSpan& fitted)
{
    EXPECT_EQ(decoded.Index, fitted.Index);
    EXPECT_EQ(decoded.Middle, fitted.Middle);
    for (int r = 0; r < spans::ApparentRows; ++r)
        for (int k = 0; k < spans::Nodes; ++k)
            // Half a quantum of rounding; a whole one where a last bit of
            // another compiler's arithmetic tips a coefficient over the half.
            EXPECT_NEAR(decoded.Coefficients[r][k], fitted.Coefficients[r][k], table::QuantisationBound(r) / spans::Nodes * 2)
                << "span " << fitted.Index << " row " << r << " term " << k;
}

TEST(EphemerisTable, HoldsTheSpansThisLibraryFits)
{
    const table::Table* linked = table::LinkedTable();
    ASSERT_NE(linked, nullptr);
    const long long first = linked->FirstIndex(), last = first + linked->SpanCount() - 1;
    for (const long long index : {first, first + 1, -1000LL, -1LL, 0LL, 1LL, 1601LL, last})
        ExpectSameSpans(linked->SpanAt(index), spans::FitApparent(spans::FitState(index)));
}

TEST(EphemerisTable, EncodesSpansAsTheyDecode)
{
    const std::vector<spans::ApparentSpan> fitted = {spans::FitApparent(spans::FitState(41)),
                                                     spans::FitApparent(spans::FitState(42))};
    const std::vector<std::uint8_t> bytes = table::Encode(fitted);
    const table::Table made(bytes);
    EXPECT_EQ(made.FirstIndex(), 41);
    EXPECT_EQ(made.SpanCount(), 2);
    EXPECT_FALSE(made.Covers(40));
    EXPECT_FALSE(made.Covers(43));
    for (const spans::ApparentSpan& span : fitted)
        ExpectSameSpans(made.SpanAt(span.Index), span);

    const auto refused = [](std::vector<spans::ApparentSpan> spans, const char* why) {
        try {
            table::Encode(spans);
            ADD_FAILURE() << why << ": encoded";
        } catch (const table::TableError& e) {
            EXPECT_STREQ(e.what(), why);
        }
    };
    refused({}, "no spans to encode");
    refused({fitted[1], fitted[0]}, "the spans are not consecutive");
    std::vector<spans::ApparentSpan> broken = fitted;
    broken[1].Coefficients[3][5] = NAN;
    refused(broken, "a coefficient is out of reach");
}

TEST(EphemerisTable, RefusesADamagedTable)
{
    // Offsets in the format ephemeris_table.h gives: the counts after the
    // 19 bytes of its first line, the widths at 43, the records at 203.
    const std::span<const std::uint8_t> linked = table::LinkedBytes();
    ASSERT_GT(linked.size(), 300u);
    using Bytes = std::vector<std::uint8_t>;
    const struct {
        const char* Fault;
        std::function<void(Bytes&)> Damage;
        const char* Why;
    } cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }, "it is not an ephemeris table"},
        {"another format", [](Bytes& b) { b[17] = '2'; }, "it is not an ephemeris table"},
        {"other terms", [](Bytes& b) { b[20] = 21; }, "its spans are not this library's"},
        {"another span length", [](Bytes& b) { b[21] = 32; }, "its spans are not this library's"},
        {"spans beyond 2101", [](Bytes& b) { b[24] = 0x10; }, "its spans lie beyond the library's years"},
        {"no spans", [](Bytes& b) { std::fill(b.begin() + 27, b.begin() + 31, 0); }, "its spans lie beyond the library's years"},
        {"a span more", [](Bytes& b) { ++b[27]; }, "its size does not match its span count"},
        {"a width too wide", [](Bytes& b) { b[43] = 60; }, "a width is out of range"},
        {"a width changed", [](Bytes& b) { b[43] -= 8; }, "its record size does not match its widths"},
        {"a bit flipped", [](Bytes& b) { b[b.size() / 2] ^= 0x10; }, "its checksum does not match"},
        {"the checksum changed", [](Bytes& b) { b.back() ^= 1; }, "its checksum does not match"},
        {"truncated", [](Bytes& b) { b.pop_back(); }, "its size does not match its span count"},
    };
    for (const auto& c : cases) {
        Bytes damaged(linked.begin(), linked.end());
        c.Damage(damaged);
        try {
            const table::Table t(damaged);
            ADD_FAILURE() << c.Fault << ": taken";
        } catch (const table::TableError& e) {
            EXPECT_STREQ(e.what(), c.Why) << c.Fault;
        }
    }
}

} // namespace
