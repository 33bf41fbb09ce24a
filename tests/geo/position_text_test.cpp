#include "geo/position_text.h"

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

} // namespace
