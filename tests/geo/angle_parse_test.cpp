#include "geo/angle_text.h"
#include "geo/errors.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cmath>
#include <random>
#include <string>

namespace {

using geo::AngleFormat;

using testtexts::T;

struct Parsed {
    double value;
    std::string message;
};

Parsed Lat(const std::string& text, int code, double incoming = 0)
{
    Parsed p{incoming, "stale"};
    geo::ParseLatitude(T(text), static_cast<AngleFormat>(code), p.value, p.message);
    return p;
}

Parsed Lon(const std::string& text, int code, double incoming = 0)
{
    Parsed p{incoming, "stale"};
    geo::ParseLongitude(T(text), static_cast<AngleFormat>(code), p.value, p.message);
    return p;
}

TEST(ParseAngle, RangeMessages)
{
    EXPECT_EQ(Lat("90*00'00", 0).message, "Wrong Degrees ");
    EXPECT_EQ(Lon("180*00'00\"", 1).message, "Wrong Degrees !");
    EXPECT_EQ(Lat("12*60'00\"", 1).message, "Wrong Minutes !");
    EXPECT_EQ(Lon("012*60'00", 0).message, "Wrong Minutes !");
    EXPECT_EQ(Lat("12*60'75\"", 1).message, "Wrong Seconds !"); // the later error wins
}

TEST(ParseAngle, LargestAcceptedValues)
{
    const Parsed lat = Lat("89*59'59\"999", 2);
    EXPECT_EQ(lat.message, "");
    EXPECT_NEAR(lat.value, 89 + 59 / 60.0 + 59.999 / 3600, 1e-12);
    const Parsed lon = Lon("179*59'59\"999", 2);
    EXPECT_EQ(lon.message, "");
    EXPECT_NEAR(lon.value, 179 + 59 / 60.0 + 59.999 / 3600, 1e-12);
}

TEST(ParseAngle, FieldsCountInTheirFormatsUnits)
{
    // Third field: hundredths of a minute in DM.dd, seconds in DMS.
    EXPECT_NEAR(Lat("10*30'45", 0).value, 10 + 30.45 / 60, 1e-12);
    EXPECT_NEAR(Lat("10*30'45\"", 1).value, 10 + 30 / 60.0 + 45 / 3600.0, 1e-12);
    // Fourth field: thousandths of a second.
    EXPECT_NEAR(Lon("100*00'00\"500", 2).value, 100 + 0.5 / 3600, 1e-12);
    // No limit on hundredths or thousandths beyond their width.
    EXPECT_NEAR(Lat("00*00'99", 0).value, 0.99 / 60, 1e-12);
}

TEST(ParseAngle, BlanksReadAsZeros)
{
    EXPECT_NEAR(Lat("5 *3 ' 7", 0).value, 50 + 30.07 / 60, 1e-12);
    EXPECT_NEAR(Lon("        ", 1).value, 0, 0); // an all-blank field is zero
}

TEST(ParseAngle, SignComesFromTheIncomingValue)
{
    EXPECT_DOUBLE_EQ(Lat("33*52'05 S", 0, -1).value, -33.8675);
    EXPECT_DOUBLE_EQ(Lat("33*52'05 S", 0, +1).value, 33.8675);
    EXPECT_DOUBLE_EQ(Lon("004*15'27\" W", 1, -0.5).value, -(4 + 15 / 60.0 + 27 / 3600.0));
    // Minus zero is not below zero.
    const Parsed p = Lat("10*00'00", 0, -0.0);
    EXPECT_EQ(p.value, 10.0);
}

TEST(ParseAngle, FormattedTextReadsBackUnchanged)
{
    EXPECT_DOUBLE_EQ(Lat("52*30'00\"000 N", 2, 1).value, 52.5);
    EXPECT_DOUBLE_EQ(Lon("159*45'00 W", 0, -1).value, -159.75);
}

TEST(ParseAngle, RejectedEntryLeavesTheValueAsItCame)
{
    Parsed p = Lat("95*10'00", 0, -12.25);
    EXPECT_EQ(p.message, "Wrong Degrees ");
    EXPECT_EQ(p.value, -12.25);
    p = Lon("010*75'00\"", 1, 3.5);
    EXPECT_EQ(p.message, "Wrong Minutes !");
    EXPECT_EQ(p.value, 3.5);
    p = Lon("010*10'99\"123", 2, -0.0);
    EXPECT_EQ(p.message, "Wrong Seconds !");
    EXPECT_TRUE(std::signbit(p.value));
}

TEST(ParseAngle, ConversionErrorsLeaveTheValueAndAnEmptyMessage)
{
    const auto errorOf = [](auto parse, const std::string& text, int code) {
        double value = -7.5;
        std::string message = "stale";
        try {
            parse(T(text), static_cast<AngleFormat>(code), value, message);
        } catch (const geo::ConvertError& e) {
            EXPECT_EQ(value, -7.5);
            EXPECT_EQ(message, "");
            return std::string(e.what());
        }
        return std::string("no error");
    };
    // Eight characters read in DMS.sss: the thousandths field is empty.
    EXPECT_EQ(errorOf(geo::ParseLatitude, "12*30'00", 2), "'' is not a valid integer value");
    EXPECT_EQ(errorOf(geo::ParseLatitude, " -*30'00", 0), "'0-' is not a valid integer value");
    EXPECT_EQ(errorOf(geo::ParseLatitude, "1-*30'00", 0), "'1-' is not a valid integer value");
    EXPECT_EQ(errorOf(geo::ParseLongitude, "010*3-'00", 0), "'3-' is not a valid integer value");
    EXPECT_EQ(errorOf(geo::ParseLongitude, "010*30'00\"1.5", 2), "'1.5' is not a valid integer value");
    EXPECT_EQ(errorOf(geo::ParseLongitude, "", 0), "'' is not a valid integer value");
}

TEST(ParseAngle, SignedFieldsAreIntegers)
{
    // A sign in a field reads as a signed number: "-5" passes the checks.
    EXPECT_NEAR(Lat("-5*30'00", 0).value, -5 + 0.5, 1e-12);
    EXPECT_NEAR(Lat("+5*30'00", 0).value, 5.5, 1e-12);
}

// FormatAngle and the parser are inverse to the resolution of each layout.
TEST(ParseAngle, RoundTripAtTheFormatsResolution)
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> latitudes(-89.999, 89.999);
    std::uniform_real_distribution<double> longitudes(-179.999, 179.999);
    const double resolution[] = {0.01 / 60 / 2, 1.0 / 3600, 0.001 / 3600};
    for (int i = 0; i < 20000; ++i) {
        const int code = i % 3;
        const bool lon = (i / 3) % 2 == 1;
        const double v = lon ? longitudes(random) : latitudes(random);
        const std::string text = geo::FormatAngle(static_cast<AngleFormat>(code), lon, v);
        double back = v < 0 ? -1.0 : 1.0;
        std::string message;
        if (lon)
            geo::ParseLongitude(text, static_cast<AngleFormat>(code), back, message);
        else
            geo::ParseLatitude(text, static_cast<AngleFormat>(code), back, message);
        ASSERT_EQ(message, "") << text;
        // DMS and DMS.sss truncate; DM.dd rounds.
        ASSERT_NEAR(back, v, resolution[code] + 1e-12) << text;
        if (code != 0) {
            ASSERT_LE(std::fabs(back), std::fabs(v) + 1e-12) << text;
        }
    }
}

TEST(BlanksToZeros, ReplacesBlanksOnly)
{
    EXPECT_EQ(geo::BlanksToZeros(" 1 : 3"), "010:03");
    EXPECT_EQ(geo::BlanksToZeros(""), "");
    EXPECT_EQ(geo::BlanksToZeros("\t-.x"), "\t-.x");
}

} // namespace
