// Apparent places and time scales: the Sun's and the Moon's GHA and
// declination against PyEphem's over 1972-2026; TT - UTC against the
// leap-second table; Delta T before 1960 against PyEphem's observed
// values; the interpolated ephemeris against the series it is fitted to.
#include "astro/bodies.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include "pyephem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

double AngleApart(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

TEST(ApparentPlaces, AgreeWithPyEphemFrom1972To2026)
{
    // PyEphem takes its instant as UT and its own Delta T for TT: the same
    // pair of time arguments is given to ours, so that the figures compare
    // the places alone.
    const std::vector<double> instants = astrotest::PlaceInstants();
    double worst[2][4] = {};
    for (std::size_t i = 0; i < instants.size(); ++i) {
        const auto& lines = astrotest::PyEphem("place", static_cast<int>(i));
        ASSERT_EQ(lines.size(), 1u);
        const auto& w = lines[0];
        const double ut1 = instants[i] / 86400.0 - astro::UnixEpochToJ2000Days;
        const astro::TimeArgument time{ut1, ut1 + std::stod(w[0]) / 86400.0};
        const double gast = std::stod(w[1]);
        const astro::Body bodies[] = {astro::Body::Sun, astro::Body::Moon};
        for (int b = 0; b < 2; ++b) {
            const astro::GeocentricPlace ours = astro::ApparentPlace(bodies[b], time);
            const double gha = AngleApart(ours.Gha, gast - std::stod(w[2 + 2 * b])) * 60;
            const double dec = std::fabs(ours.Declination - std::stod(w[3 + 2 * b])) * 60;
            const double limit = b == 0 ? 0.1 : 0.2; // minutes of arc
            EXPECT_LT(gha, limit) << "GHA at " << instants[i];
            EXPECT_LT(dec, limit) << "declination at " << instants[i];
            worst[b][0] = std::max(worst[b][0], gha);
            worst[b][1] = std::max(worst[b][1], dec);
            // PyEphem takes the Moon's radius as 1740 km, 2.6 km more than the
            // almanacs' 1737.4, and truncates VSOP87 to about 1e-6 au.
            const double sd = std::fabs(ours.SemiDiameter - std::stod(w[6 + 2 * b])) * 60;
            const double km = std::fabs(ours.Distance - std::stod(w[7 + 2 * b]));
            EXPECT_LT(sd, 0.05) << "semi-diameter at " << instants[i];
            EXPECT_LT(km, b == 0 ? 200.0 : 5.0) << "distance at " << instants[i];
            worst[b][2] = std::max(worst[b][2], sd);
            worst[b][3] = std::max(worst[b][3], km);
        }
    }
    std::printf("Worst against PyEphem: Sun GHA %.3f' dec %.3f' SD %.3f' distance %.1f km, Moon GHA %.3f' dec %.3f' "
                "SD %.3f' distance %.2f km\n",
                worst[0][0], worst[0][1], worst[0][2], worst[0][3], worst[1][0], worst[1][1], worst[1][2], worst[1][3]);
}

TEST(ApparentPlaces, InterpolatedAsTheSeriesThemselves)
{
    double worstAngle = 0, worstDistance = 0;
    for (const double utc : {astrotest::UtcOfDate(1901, 2, 3), astrotest::UtcOfDate(1987, 9, 9) + 5000,
                             astrotest::UtcOfDate(2024, 3, 20) + 43210, astrotest::UtcOfDate(2099, 12, 30)}) {
        const astro::TimeArgument time = astro::TimeFromUtc(utc);
        for (const astro::Body body : {astro::Body::Sun, astro::Body::Moon}) {
            const astro::GeocentricPlace fitted = astro::ApparentPlace(body, time);
            const astro::GeocentricPlace direct = astro::ApparentPlace(body, time, astro::Evaluation::Direct);
            worstAngle = std::max({worstAngle, AngleApart(fitted.Gha, direct.Gha) * 3600,
                                   std::fabs(fitted.Declination - direct.Declination) * 3600});
            worstDistance = std::max(worstDistance, std::fabs(fitted.Distance - direct.Distance) * 1000);
        }
    }
    EXPECT_LT(worstAngle, 0.001); // arcseconds
    EXPECT_LT(worstDistance, 1.0); // metres
    std::printf("Interpolation against the series: %.2g\" and %.2g m at worst\n", worstAngle, worstDistance);
}

TEST(TimeScales, TerrestrialTimeFollowsTheLeapSeconds)
{
    const struct {
        double Utc;
        double TtMinusUtc; // seconds: TAI - UTC from the leap-second table, plus 32.184
    } cases[] = {
        {astrotest::UtcOfDate(1972, 1, 1), 42.184},
        {astrotest::UtcOfDate(1999, 1, 1) - 1, 63.184},
        {astrotest::UtcOfDate(1999, 1, 1), 64.184},
        {astrotest::UtcOfDate(2016, 12, 31) + 86399, 68.184},
        {astrotest::UtcOfDate(2017, 1, 1), 69.184},
        {astrotest::UtcOfDate(2090, 6, 1), 69.184}, // no leap second announced after 2017
    };
    for (const auto& c : cases) {
        const astro::TimeArgument t = astro::TimeFromUtc(c.Utc, 0.3);
        const double days = c.Utc / 86400.0 - astro::UnixEpochToJ2000Days;
        EXPECT_NEAR((t.Tt - days) * 86400.0, c.TtMinusUtc, 1e-5) << c.Utc;
        EXPECT_NEAR((t.Ut1 - days) * 86400.0, 0.3, 1e-5) << c.Utc;
    }
}

TEST(TimeScales, DeltaTBefore1960FollowsTheObservedValues)
{
    // PyEphem's Delta T before 1960 is a table of observed values.
    const std::vector<double> instants = astrotest::DeltaTInstants();
    double worst = 0;
    for (std::size_t i = 0; i < instants.size(); ++i) {
        const astro::TimeArgument t = astro::TimeFromUtc(instants[i]);
        const double ours = (t.Tt - t.Ut1) * 86400.0;
        const double apart = std::fabs(ours - std::stod(astrotest::PyEphem("deltat", static_cast<int>(i)).at(0).at(0)));
        EXPECT_LT(apart, 1.5) << instants[i];
        worst = std::max(worst, apart);
    }
    std::printf("Delta T 1900-1960 against the observed values: %.2f s at worst\n", worst);
}

TEST(TimeScales, RefuseWhatTheyCannotConvert)
{
    const struct {
        double Utc, Dut1;
        const char* Message;
    } cases[] = {
        // 35 days' margin beyond 1900-2100, which the searches reach into.
        {astrotest::UtcOfDate(1899, 11, 20), 0, "Dates before 1900 or after 2100 are not supported"},
        {astrotest::UtcOfDate(2101, 2, 10), 0, "Dates before 1900 or after 2100 are not supported"},
        {INFINITY, 0, "Dates before 1900 or after 2100 are not supported"},
        {0, 1.5, "DUT1 must lie between -1 and +1 seconds"},
        {0, NAN, "DUT1 must lie between -1 and +1 seconds"},
    };
    for (const auto& c : cases) {
        try {
            astro::TimeFromUtc(c.Utc, c.Dut1);
            ADD_FAILURE() << c.Message << ": accepted";
        } catch (const astro::TimeRangeError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

} // namespace
