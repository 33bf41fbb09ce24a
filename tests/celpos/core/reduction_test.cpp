// Sight reduction against published solutions and programs written by
// others: computed altitudes and azimuths from sight reduction tables and
// calculators, the same on GeographicLib's geodesics of the unit sphere,
// and published practice sights corrected from Hs to Ho.
#include "celpos/core/angle_texts.h"
#include "celpos/core/computed_altitude.h"
#include "celpos/core/worksheet.h"
#include "timezones/time_text.h"

#include <GeographicLib/Geodesic.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

double Dm(int degrees, double minutes) { return (degrees < 0 ? -1 : 1) * (std::abs(degrees) + minutes / 60); }
double Arcmin(double degrees) { return degrees * 60; }
double AngleApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(ComputedPlace, AgreesWithPublishedSolutions)
{
    const struct {
        const char* source;
        double lat, lon, gha, dec; // degrees; the longitude 0 where the source gives the LHA
        double hc, zn;
        double tolerance; // arc-minutes: the source's last digit
    } cases[] = {
        {"calculator, LHA 8°18.1' E", Dm(39, 50.6), 0, 360 - Dm(8, 18.1), Dm(23, 8.4), Dm(71, 52.8), Dm(154, 43.7), 0.1},
        {"H.O. 211 worked", 43, 0, 339, Dm(20, 6.0), Dm(61, 6.7), 135.8, 0.1},
        {"Jupiter, 2017-08-20", Dm(29, 11.4), Dm(29, 58.0), Dm(26, 27.1), -Dm(6, 46.7), Dm(24, 57.5), 245.9, 0.1},
        {"Sun, southern winter (Hc to the minute)", -41, Dm(174, 44.4), Dm(134, 14.9), Dm(23, 18.8), Dm(10, 10), NAN, 0.5},
    };
    for (const auto& c : cases) {
        const celpos::HorizonPlace p = celpos::ComputedPlace(c.lat, c.lon, c.gha, c.dec);
        EXPECT_LT(std::fabs(Arcmin(p.HcDeg - c.hc)), c.tolerance) << c.source;
        if (!std::isnan(c.zn)) {
            EXPECT_LT(AngleApart(p.ZnDeg, c.zn), 0.1) << c.source;
        }
    }
}

TEST(ComputedPlace, IsTheGreatCircleToTheGeographicalPosition)
{
    // On the unit sphere the zenith distance is the distance to the body's
    // geographical position (declination, -GHA) and Zn its initial course.
    const GeographicLib::Geodesic sphere(1, 0);
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> lat(-89.9, 89.9), lon(-180, 180), gha(0, 360);
    for (int k = 0; k < 500; ++k) {
        const double la = lat(random), lo = lon(random), g = gha(random), d = lat(random) * 0.8;
        double s12 = 0, azi1 = 0, azi2 = 0;
        sphere.Inverse(la, lo, d, -g, s12, azi1, azi2);
        const celpos::HorizonPlace p = celpos::ComputedPlace(la, lo, g, d);
        EXPECT_NEAR(p.HcDeg, 90 - s12 * 57.29577951308232, 1e-9);
        if (s12 > 1e-6 && s12 < 3.14159) {
            EXPECT_LT(AngleApart(p.ZnDeg, azi1), 1e-7);
        }
        EXPECT_GE(p.LhaDeg, 0);
        EXPECT_LT(p.LhaDeg, 360);
    }
}

TEST(AltitudeCorrections, PublishedPracticeSightsReachTheirHo)
{
    // Sun sights published with every step, their corrections computed
    // from the nautical almanac's formulae (their dip 1.758' sqrt(h), the
    // Sun's SD and HP of the day).
    const struct {
        const char* utc;
        double hs, ieArcmin, eye;
        celpos::Limb limb;
        double ha, ho;
    } sights[] = {
        {"2016-05-17T14:51:55Z", Dm(20, 21 + 50.5 / 60), -(52.6 / 60), 2.5, celpos::Limb::Upper,
         Dm(20, 19 + 56.3 / 60), Dm(20, 1 + 40.4 / 60)},
        {"2016-08-29T14:43:24Z", Dm(53, 12 + 34.0 / 60), -(88.1 / 60), 5.7, celpos::Limb::Lower,
         Dm(53, 9 + 50.3 / 60), Dm(53, 25 + 2.8 / 60)},
        {"2016-05-17T16:45:54Z", Dm(20, 19 + 12.3 / 60), -(52.6 / 60), 2.5, celpos::Limb::Upper,
         Dm(20, 17 + 18.2 / 60), Dm(19, 59 + 1.8 / 60)},
        {"2016-08-29T16:36:34Z", Dm(42, 58 + 49.5 / 60), -(88.1 / 60), 5.7, celpos::Limb::Lower,
         Dm(42, 56 + 5.8 / 60), Dm(43, 11 + 0.7 / 60)},
    };
    for (const auto& s : sights) {
        const double utc = timezones::ParseInstant(s.utc);
        const celpos::BodyPosition sun = celpos::AlmanacPosition("Sun", utc, 0);
        const celpos::AltitudeCorrections c =
            celpos::CorrectAltitude(s.hs, s.limb, {s.ieArcmin, s.eye, 10, 1010}, sun.Disc);
        EXPECT_LT(std::fabs(Arcmin(c.HaDeg - s.ha)), 0.01) << s.utc;
        EXPECT_LT(std::fabs(Arcmin(c.HoDeg - s.ho)), 0.1) << s.utc;
        EXPECT_EQ(c.HoDeg, s.hs + (c.Index + c.Dip + c.Refraction + c.Parallax + c.SemiDiameter) / 60);
    }
}

TEST(AltitudeCorrections, FollowTheAlmanacsSignsAndFigures)
{
    const celpos::BodyDisc moon{15.5, 57.0, true}, star{};
    const double sinHp = std::sin(57.0 / 60 / 57.29577951308232);
    const struct {
        double hs;
        celpos::Limb limb;
        celpos::SightConditions conditions;
        celpos::BodyDisc disc;
        double index, dip, refraction, parallax, semiDiameter; // arc-minutes as added to Hs; NaN: not looked at
        double tolerance;
    } cases[] = {
        // On the arc (+) the index error is taken off; 1.0' of refraction at
        // 45 degrees, none at the zenith; a star has no parallax.
        {45, celpos::Limb::Centre, {2.0, 0, 10, 1010}, star, -2.0, 0, -1.0, 0, 0, 0.05},
        {90, celpos::Limb::Centre, {0, 0, 10, 1010}, star, 0, 0, 0, 0, 0, 0.005},
        // Off the arc it is added; the dip from a 16 m bridge is 7.0'.
        {10, celpos::Limb::Centre, {-1.0, 16, 10, 1010}, star, 1.0, -7.0, NAN, 0, 0, 0.05},
        // The Moon's semi-diameter is augmented towards the zenith.
        {60, celpos::Limb::Lower, {0, 0, 10, 1010}, moon, 0, 0, NAN, NAN, 15.5 * (1 + sinHp * std::sin(59.99 / 57.29577951308232)), 0.001},
        {60, celpos::Limb::Upper, {0, 0, 10, 1010}, moon, 0, 0, NAN, NAN, -15.5 * (1 + sinHp * std::sin(59.99 / 57.29577951308232)), 0.001},
        {60, celpos::Limb::Centre, {0, 0, 10, 1010}, moon, 0, 0, NAN, NAN, 0, 0},
    };
    for (const auto& c : cases) {
        const celpos::AltitudeCorrections r = celpos::CorrectAltitude(c.hs, c.limb, c.conditions, c.disc);
        const double expected[] = {c.index, c.dip, c.refraction, c.parallax, c.semiDiameter};
        const double got[] = {r.Index, r.Dip, r.Refraction, r.Parallax, r.SemiDiameter};
        for (int k = 0; k < 5; ++k)
            if (!std::isnan(expected[k])) {
                EXPECT_NEAR(got[k], expected[k], c.tolerance) << c.hs << " correction " << k;
            }
    }
    // Cold dense air bends more, by 0.28 P / (T + 273); the parallax is
    // that of the Moon's centre, which lies a semi-diameter from its limb.
    const auto at = [](double t, double p) { return celpos::RefractionArcmin(5, t, p); };
    EXPECT_NEAR(at(-20, 1040) / at(10, 1010), (1040.0 / 253) / (1010.0 / 283), 1e-12);
    for (const celpos::Limb limb : {celpos::Limb::Lower, celpos::Limb::Upper}) {
        const celpos::AltitudeCorrections r = celpos::CorrectAltitude(60, limb, {}, moon);
        const double centre = r.HaDeg + (r.Refraction + r.SemiDiameter) / 60;
        EXPECT_NEAR(r.Parallax, 57.0 * std::cos(centre / 57.29577951308232), 1e-12);
    }
}

TEST(WorksheetTexts, RoundOnceAndSayTheirSide)
{
    using celpos::AltitudeText, celpos::AzimuthText, celpos::CorrectionText, celpos::InterceptText;
    const struct {
        std::string shown, expected;
    } cases[] = {
        {AltitudeText(35.206667), "35\xB0" "12.4'"},
        {AltitudeText(35.99999), "36\xB0" "00.0'"},
        {AltitudeText(-0.05), "-0\xB0" "03.0'"},
        {AltitudeText(-0.0001), "0\xB0" "00.0'"},
        {AltitudeText(NAN), "--\xB0--.-'"},
        {AzimuthText(359.97), "000.0\xB0"},
        {AzimuthText(-0.04), "000.0\xB0"},
        {AzimuthText(5.25), "005.3\xB0"},
        {CorrectionText(-2.84), "-2.8'"},
        {CorrectionText(0.04), "0.0'"},
        {CorrectionText(-0.04), "0.0'"},
        {CorrectionText(16.26), "+16.3'"},
        {InterceptText(2.44), "2.4 nm toward"},
        {InterceptText(-0.96), "1.0 nm away"},
        {InterceptText(-0.04), "0.0 nm"},
        {celpos::HourAngleText(359.99999), "000\xB0" "00.0'"},
        {celpos::DeclinationText(-23.4392), "S 23\xB0" "26.4'"},
        {celpos::PositionText(-0.0001, 180), "00\xB0" "00.0' N  180\xB0" "00.0' E"},
        {celpos::PositionText(50.2051, -184.5), "50\xB0" "12.3' N  175\xB0" "30.0' E"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected);
}

} // namespace
