// ISO 8601 texts of instants, held against Python's datetime (its own
// calendar code), and the date and time texts a GPX file may hold.
#include "wayline/core/utc_time.h"

#include <gtest/gtest.h>

#include "program_output.h"
#include "test_texts.h"

#include <cmath>
#include <sstream>

namespace {

TEST(UtcTime, TextsAgreeWithPythonsDatetime)
{
    const double instants[] = {0, 1812522600, 951782400 /* 2000-02-29 */, 4107542399 /* 2100-02-28T23:59:59 */,
                               -1, -62135596800 /* 0001-01-01 */, 253402300799, 1812522600.4999, 1812522600.5,
                               1700000000.123, -0.25, 86399.9995};
    std::ostringstream script;
    script.precision(17);
    script << "import datetime, math\n"
              "epoch = datetime.datetime(1970, 1, 1)\n"
              "for t in [";
    for (const double t : instants)
        script << t << ",";
    script << "]:\n"
              "    s = epoch + datetime.timedelta(seconds=math.floor(t + 0.5))\n"
              "    m = epoch + datetime.timedelta(milliseconds=math.floor(t * 1000 + 0.5))\n"
              "    f = lambda d: '%04d-%02d-%02dT%02d:%02d:%02d' % (d.year, d.month, d.day, d.hour, d.minute, d.second)\n"
              "    text = f(m)\n"
              "    if m.microsecond: text += '.%03d' % (m.microsecond // 1000)\n"
              "    print(f(s) + 'Z', text + 'Z')\n";
    std::istringstream python(testsupport::ProgramOutput("/usr/bin/python3 -c \"" + script.str() + "\""));
    for (const double t : instants) {
        std::string seconds, milliseconds;
        ASSERT_TRUE(python >> seconds >> milliseconds);
        EXPECT_EQ(wayline::UtcText(t), seconds) << t;
        EXPECT_EQ(wayline::UtcText(t, wayline::TimeResolution::Milliseconds), milliseconds) << t;
        EXPECT_EQ(wayline::ReadUtcText(milliseconds), std::round(t * 1000) / 1000) << t;
    }
    for (const double t : {-62135596800.5, 253402300800.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(testtexts::WhatOf([&] { wayline::UtcText(t); }).substr(0, 9), "the time ") << t;
}

TEST(UtcTime, ReadsTheDateTimesOfXmlSchemaOnly)
{
    const struct {
        const char* text;
        std::optional<double> seconds;
    } cases[] = {
        {"2027-06-09T06:30:00Z", 1812522600},
        {"2027-06-09T06:30:00", 1812522600}, // no zone: UTC, as GPX prescribes
        {"2027-06-09T08:30:00+02:00", 1812522600},
        {"2027-06-09T01:00:00-05:30", 1812522600},
        {"2027-06-09T06:30:00.139Z", 1812522600.139},
        {"2027-06-09T06:30:00.13951Z", 1812522600.140}, // kept to the millisecond
        {"2027-06-09T06:30:59.9999Z", 1812522660},
        {"2028-02-29T00:00:00Z", 1835395200},
        {"2027-02-29T00:00:00Z", std::nullopt},
        {"2027-06-09T24:00:00Z", std::nullopt},
        {"2027-06-09T06:60:00Z", std::nullopt},
        {"2027-06-09T06:30:60Z", std::nullopt},
        {"2027-06-09 06:30:00Z", std::nullopt},
        {"2027-06-09T06:30Z", std::nullopt},
        {"2027-06-09T06:30:00.Z", std::nullopt},
        {"2027-06-09T06:30:00+15:00", std::nullopt},
        {"2027-06-09T06:30:00+0200", std::nullopt},
        {"2027-06-09T06:30:00Zjunk", std::nullopt},
        {"0000-01-01T00:00:00Z", std::nullopt},
        {"+2027-06-09T06:30:00Z", std::nullopt},
        {"", std::nullopt},
        {"2027", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wayline::ReadUtcText(c.text), c.seconds) << c.text;
}

} // namespace
