#include "geo/angle_text.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

using geo::AngleFormat;
constexpr bool Lat = false;
constexpr bool Lon = true;

// Write the degree sign as '*' in expectations; the real text has 0xB0.
using testtexts::T;

std::string F(int code, bool isLongitude, double v)
{
    return geo::FormatAngle(static_cast<AngleFormat>(code), isLongitude, v);
}

struct FormatCase {
    double value;
    bool isLongitude;
    int code;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.value << (c.isLongitude ? " lon " : " lat ") << c.code;
}

class FormatAngleExamples : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatAngleExamples, ShowTheDescribedText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(F(c.code, c.isLongitude, c.value), T(c.text));
}

INSTANTIATE_TEST_SUITE_P(Layouts, FormatAngleExamples, testing::Values(
    FormatCase{52.5, Lat, 0, "52*30'00 N"},
    FormatCase{52.5, Lat, 1, "52*30'00\" N"},
    FormatCase{52.5, Lat, 2, "52*30'00\"000 N"},
    FormatCase{-33.8675, Lat, 0, "33*52'05 S"},
    FormatCase{12.3456789, Lat, 2, "12*20'44\"444 N"},
    FormatCase{0.0001, Lat, 2, "00*00'00\"360 N"},
    FormatCase{-0.000004, Lat, 0, "00*00'00 S"},
    FormatCase{4.2575, Lon, 0, "004*15'45 E"},
    FormatCase{4.2575, Lon, 1, "004*15'27\" E"},
    FormatCase{4.2575, Lon, 2, "004*15'27\"000 E"},
    FormatCase{123.45678, Lon, 2, "123*27'24\"407 E"},
    FormatCase{-0.5, Lon, 2, "000*30'00\"000 W"},
    FormatCase{-190.5, Lon, 1, "169*30'00\" E"},
    FormatCase{200.25, Lon, 0, "159*45'00 W"},
    FormatCase{180, Lon, 0, "180*00'00 E"},
    FormatCase{-180, Lon, 1, "180*00'00\" W"},
    FormatCase{360, Lon, 0, "000*00'00 W"},
    FormatCase{-360, Lon, 0, "000*00'00 E"},
    FormatCase{45, Lon, 0, "045*00'00 E"},
    FormatCase{5, Lon, 0, "005*00'00 E"},
    FormatCase{0.00001, Lat, 2, "00*00'00\"036 N"},       // 1e-5 itself is not zeroed
    FormatCase{95.5, Lat, 0, "95*30'00 N"}));             // latitudes are never folded

TEST(FormatAngle, MinusZeroIsNorthAndEast)
{
    EXPECT_EQ(F(0, Lat, -0.0), T("00*00'00 N"));
    EXPECT_EQ(F(1, Lon, -0.0), T("000*00'00\" E"));
}

TEST(FormatAngle, CarriesInsteadOfShowingAFullUnit)
{
    // 0.9998 of a minute would round to 100 hundredths.
    EXPECT_EQ(F(0, Lat, 12.58333), T("12*35'00 N"));
    EXPECT_EQ(F(0, Lat, 10 + 0.996 / 60), T("10*01'00 N"));
    EXPECT_EQ(F(0, Lon, 9 + 59.996 / 60), T("010*00'00 E"));
    // A hair below a whole degree would show 60 minutes.
    EXPECT_EQ(F(0, Lat, 13 - 1e-11), T("13*00'00 N"));
    EXPECT_EQ(F(1, Lat, 13 - 1e-11), T("13*00'00\" N"));
    EXPECT_EQ(F(2, Lat, 13 - 1e-11), T("13*00'00\"000 N"));
    // What parallel sailing along 60 N stores in double arithmetic.
    EXPECT_EQ(F(0, Lat, 59.99999999999999), T("60*00'00 N"));
    EXPECT_EQ(F(2, Lat, -59.99999999999999), T("60*00'00\"000 S"));
    // A hair below a whole minute would show 60 seconds.
    EXPECT_EQ(F(1, Lat, 10.5 - 1e-12), T("10*30'00\" N"));
    // Below one hundredth of a minute short of the next minute, DMS still
    // truncates its seconds: only shown fields are carried.
    EXPECT_EQ(F(1, Lat, 10 + 29.9999 / 60), T("10*29'59\" N"));
}

TEST(FormatAngle, CarryUpToOneEightyKeepsTheHemisphere)
{
    EXPECT_EQ(F(0, Lon, 179.99999999999), T("180*00'00 E"));
    EXPECT_EQ(F(0, Lon, -179.99999999999), T("180*00'00 W"));
    EXPECT_EQ(F(1, Lon, 180.000000000001), T("180*00'00\" W"));
}

TEST(FormatAngle, LongitudesBeyondOneTurnAreReduced)
{
    EXPECT_EQ(F(0, Lon, 370.5), T("010*30'00 E"));
    EXPECT_EQ(F(0, Lon, -370.5), T("010*30'00 W"));
    EXPECT_EQ(F(1, Lon, 550), T("170*00'00\" W"));   // 190 after one turn
    EXPECT_EQ(F(1, Lon, -550), T("170*00'00\" E"));
    EXPECT_EQ(F(0, Lon, 720), T("000*00'00 E"));
    EXPECT_EQ(F(2, Lon, 1e300).size(), T("000*00'00\"000 E").size());
    for (double v = -5000; v <= 5000; v += 13.37) {
        const std::string text = F(2, Lon, v);
        ASSERT_EQ(text.size(), 15u) << v;
        EXPECT_LE(std::stoi(text.substr(0, 3)), 180) << v;
    }
}

TEST(FormatAngle, NonNumbersShowDashes)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(F(0, Lat, nan), T("--*--'--"));
    EXPECT_EQ(F(1, Lon, inf), T("---*--'--\""));
    EXPECT_EQ(F(2, Lon, -inf), T("---*--'--\"---"));
    EXPECT_EQ(F(0, Lat, 1e300), T("--*--'--"));
    EXPECT_EQ(F(0, Lat, -1e9), T("--*--'--"));
    EXPECT_EQ(F(0, Lat, 999999999.5), T("999999999*30'00 N"));
}

TEST(FormatAngle, UnknownCodeHasOnlyTheHemisphere)
{
    EXPECT_EQ(F(3, Lat, 12.5), " N");
    EXPECT_EQ(F(-1, Lon, -12.5), " W");
}

TEST(AngleLayout, MatchesTheFormattedTexts)
{
    for (int code = 0; code <= 2; ++code) {
        for (bool lon : {false, true}) {
            const std::string layout = geo::AngleLayout(static_cast<AngleFormat>(code), lon);
            const std::string text = F(code, lon, 12.3456);
            ASSERT_EQ(text.size(), layout.size() + 2);
            for (std::size_t i = 0; i < layout.size(); ++i) {
                if (layout[i] == '#')
                    EXPECT_TRUE(text[i] >= '0' && text[i] <= '9') << text;
                else
                    EXPECT_EQ(text[i], layout[i]) << text;
            }
        }
    }
}

// An entry field's text never carries up to a degree its parser refuses,
// and every such text parses back without a message.
TEST(EntryText, HoldsCarriesBelowNinetyAndOneEighty)
{
    const double lon = 179 + 59 / 60.0 + 59.99 / 3600; // 179°59'59"990
    const double lat = 89 + 59 / 60.0 + 59.999 / 3600;
    EXPECT_EQ(geo::EntryText(AngleFormat::DMdd, Lon, lon), T("179*59'99"));
    EXPECT_EQ(geo::EntryText(AngleFormat::DMdd, Lat, -lat), T("89*59'99"));
    EXPECT_EQ(geo::EntryText(AngleFormat::DMS, Lat, 90 - 1e-12), T("89*59'59\""));
    EXPECT_EQ(geo::EntryText(AngleFormat::DMSsss, Lon, 180 - 1e-12), T("179*59'59\"999"));
    EXPECT_EQ(geo::EntryText(AngleFormat::DMdd, Lat, 52.5), T("52*30'00")); // no hemisphere
    EXPECT_EQ(geo::EntryText(AngleFormat::DMdd, Lon, 12.58333), T("012*35'00")); // carries below the limit stay
    const auto accepted = [](bool isLongitude, int code, double v) {
        const auto format = static_cast<AngleFormat>(code);
        double value = 0;
        std::string message;
        const std::string text = geo::EntryText(format, isLongitude, v);
        (isLongitude ? geo::ParseLongitude : geo::ParseLatitude)(text, format, value, message);
        return message.empty();
    };
    for (int code = 0; code <= 2; ++code) {
        for (double v : {lat, 90.0 - 1e-12, 89.999999})
            EXPECT_TRUE(accepted(Lat, code, v)) << code << " " << v;
        for (double v : {lon, 180.0 - 1e-12, 179.999999})
            EXPECT_TRUE(accepted(Lon, code, v)) << code << " " << v;
    }
}

} // namespace

namespace {

// Courses run 000 to 359, rounded once; nothing near 180 or 360 is bent.
TEST(CourseText, RoundsOnceAndNeverShows360)
{
    const struct {
        double course;
        geo::AngleFormat format;
        const char* text;
    } cases[] = {
        {0, geo::AngleFormat::DMdd, "000\xB0" "00'00"},
        {258.83638888, geo::AngleFormat::DMdd, "258\xB0" "50'18"},
        {180.000009, geo::AngleFormat::DMSsss, "180\xB0" "00'00\"032"}, // not the near-zero rule
        {179.999991, geo::AngleFormat::DMSsss, "179\xB0" "59'59\"967"},
        {0.000009, geo::AngleFormat::DMSsss, "000\xB0" "00'00\"032"},
        {359.9999999, geo::AngleFormat::DMdd, "000\xB0" "00'00"},      // carried round
        {359.99999, geo::AngleFormat::DMS, "359\xB0" "59'59\""},        // DMS truncates its seconds
        {360, geo::AngleFormat::DMS, "000\xB0" "00'00\""},
        {-90, geo::AngleFormat::DMdd, "270\xB0" "00'00"},
        {725, geo::AngleFormat::DMdd, "005\xB0" "00'00"},
        {NAN, geo::AngleFormat::DMS, "---\xB0" "--'--\""},
        {10, static_cast<geo::AngleFormat>(7), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(geo::CourseText(c.format, c.course), c.text) << c.course;
}

} // namespace
