#include "geo/position_text.h"
#include "geo/shown_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(PositionText, ReadsDecimalsAndTheWindowsTextsAndSaysWhatItRefuses)
{
    const struct {
        const char* text;
        double lat, lon; // NaN: refused
        const char* why; // part of the reason
    } cases[] = {
        {"50.5125 -4.25", 50.5125, -4.25, ""},
        {"  -90   180 ", -90, 180, ""},
        {"50\xC2\xB0" "30'45 N 004\xC2\xB0" "15'00 W", 50 + 30.45 / 60, -(4 + 15 / 60.0), ""},
        {"50\xB0" "30'27\" s 004\xB0" "15'27\" e", -(50 + 30 / 60.0 + 27 / 3600.0), 4 + 15 / 60.0 + 27 / 3600.0, ""},
        {"50\xC2\xB0" "30'27\"500 N 179\xC2\xB0" "59'59\"999 W", 50 + 30 / 60.0 + 27.5 / 3600.0,
         -(179 + 59 / 60.0 + 59.999 / 3600.0), ""},
        {"91 0", NAN, NAN, "is off the globe"},
        {"0 180.5", NAN, NAN, "is off the globe"},
        {"north east", NAN, NAN, "is not a latitude and a longitude"},
        {"1e400 0", NAN, NAN, "is not a latitude and a longitude"},
        {"nan 0", NAN, NAN, "is not a latitude and a longitude"},
        {"0 inf", NAN, NAN, "is not a latitude and a longitude"},
        {"-infinity 0", NAN, NAN, "is not a latitude and a longitude"},
        // What the user typed is quoted as typed, in valid UTF-8.
        {"abc", NAN, NAN, "'abc' is not a position: write \"50.5125 -4.25\" or \"50\xC2\xB0" "30'75 N"},
        {"50\xC2\xB0" "30 N 1 E", NAN, NAN, "the latitude '50\xC2\xB0" "30' is not in a layout"},
        {"50\xB0" "30 N 1 E", NAN, NAN, "the latitude '50\xC2\xB0" "30' is not in a layout"},
        {"\xFF\x01 x", NAN, NAN, "'\\xFF\\x01 x' is not a latitude"},
        {"50 4 E", NAN, NAN, "is not a position"},
        {"50\xC2\xB0" "75'00 N 004\xC2\xB0" "15'00 W", NAN, NAN, "Wrong Minutes !"},
        {"50\xC2\xB0" "30'00 E 004\xC2\xB0" "15'00 W", NAN, NAN, "needs its letter N or S"},
        {"50.30 N 004\xC2\xB0" "15'00 W", NAN, NAN, "is not in a layout of DM.dd, DMS or DMS.sss"},
    };
    for (const auto& c : cases) {
        double lat = 0, lon = 0;
        std::string why;
        const bool read = geo::ReadPosition(c.text, lat, lon, why);
        EXPECT_EQ(read, !std::isnan(c.lat)) << c.text << ": " << why;
        if (read) {
            EXPECT_NEAR(lat, c.lat, 1e-12) << c.text;
            EXPECT_NEAR(lon, c.lon, 1e-12) << c.text;
        } else {
            EXPECT_NE(why.find(c.why), std::string::npos) << c.text << ": " << why;
        }
    }
}

// Texts for messages: valid UTF-8 kept, everything else made visible.
TEST(ShownText, KeepsUtf8AndShowsTheRestAsBytes)
{
    const struct {
        const char *bytes, *shown;
    } cases[] = {
        {"plain", "plain"},
        {"50\xC2\xB0" "30", "50\xC2\xB0" "30"},
        {"50\xB0" "30", "50\xC2\xB0" "30"},
        {"\xC2", "\\xC2"},                     // cut short
        {"\xC0\xAF", "\\xC0\\xAF"},         // overlong
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"}, // a surrogate
        {"\xF0\x9F\x8C\x8A", "\xF0\x9F\x8C\x8A"},
        {"a\tb\x7F", "a\\x09b\\x7F"},
        // The edges of each lead byte's second byte, and sequences cut or broken.
        {"\xE0\xA4\xB9", "\xE0\xA4\xB9"},                // U+0939, the least after E0
        {"\xE0\x80\x80", "\\xE0\\x80\\x80"},          // overlong
        {"\xED\x9F\xBF", "\xED\x9F\xBF"},                // U+D7FF, the last before the surrogates
        {"\xF0\x80\x80\x80", "\\xF0\\x80\\x80\\x80"}, // overlong
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},      // U+10FFFF
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // beyond U+10FFFF
        {"\xF5\x80", "\\xF5\\x80"},                      // no lead byte
        {"\xE2\x82", "\\xE2\\x82"},                      // cut short
        {"\xE2(\xA1", "\\xE2(\\xA1"},                    // broken in its second byte
        {"\xF0\x9F(\x8A", "\\xF0\\x9F(\\x8A"},        // broken in its third
    };
    for (const auto& c : cases)
        EXPECT_EQ(geo::ShownText(c.bytes), c.shown) << c.bytes;
}

TEST(DecimalText, ZeroHasNoSign)
{
    EXPECT_EQ(geo::DecimalText(-0.0), "0");
    EXPECT_EQ(geo::DecimalText(-1e-9, 6), "0.000000");
    EXPECT_EQ(geo::DecimalText(-1e-6, 6), "-0.000001");
    EXPECT_EQ(geo::DecimalText(-7e-25), "-7e-25");
    EXPECT_EQ(geo::DecimalText(0.1), "0.1");
    EXPECT_EQ(geo::DecimalText(2e6), "2000000");
    EXPECT_EQ(geo::DecimalText(0.0001), "0.0001");
    EXPECT_EQ(geo::DecimalText(1e-7), "1e-07");
    EXPECT_EQ(geo::DecimalText(32.52924216118811), "32.52924216118811");
}

} // namespace
