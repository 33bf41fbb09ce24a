#include "geo/errors.h"
#include "platform/desktop/number_settings.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <cstdlib>
#include <string>

namespace {

// Restores the process-wide separator after each test.
class NumberSettings : public testing::Test {
protected:
    void TearDown() override { platform::SetDecimalSeparator(saved_); }

private:
    char saved_ = platform::DecimalSeparator();
};

std::string FloatError(const std::string& text)
{
    return testtexts::WhatOf([&] { platform::StrToFloat(text); });
}

TEST_F(NumberSettings, ReadsWithTheProcessSeparator)
{
    platform::SetDecimalSeparator('.');
    EXPECT_EQ(platform::StrToFloat("12.5"), 12.5);
    EXPECT_EQ(platform::StrToFloat(" 045.0 "), 45.0);
    EXPECT_EQ(platform::StrToFloat("  . "), 0.0); // an untouched field
    EXPECT_EQ(platform::StrToFloat("-0.5"), -0.5);
    EXPECT_EQ(platform::StrToFloat("+7"), 7.0);
    EXPECT_EQ(platform::StrToFloat("1.5e2"), 150.0);
    EXPECT_EQ(FloatError("12,5"), "'12,5' is not a valid floating point value");

    platform::SetDecimalSeparator(',');
    EXPECT_EQ(platform::StrToFloat("12,5"), 12.5);
    EXPECT_EQ(FloatError("12.5"), "'12.5' is not a valid floating point value");
}

TEST_F(NumberSettings, RefusesWhatIsNotANumber)
{
    platform::SetDecimalSeparator('.');
    for (const char* text : {"", "   ", "1.2.3", "inf", "nan", "0x10", "1 2", "--1", "1e", "e5", "1e999"})
        EXPECT_NE(FloatError(text), "no error") << text;
}

TEST_F(NumberSettings, FixedTextsUseTheSeparatorAndRound)
{
    platform::SetDecimalSeparator('.');
    EXPECT_EQ(platform::FloatToFixed(45, 1), "45.0");
    EXPECT_EQ(platform::FloatToFixed(0.5, 1), "0.5");
    EXPECT_EQ(platform::FloatToFixed(-12.25, 1), "-12.2");
    EXPECT_EQ(platform::FloatToFixed(359.96, 1), "360.0");
    platform::SetDecimalSeparator(',');
    EXPECT_EQ(platform::FloatToFixed(12.5, 1), "12,5");
}

TEST_F(NumberSettings, LocaleSeparatorsAreSingleCharacters)
{
    const char date = platform::LocaleDateSeparator();
    const char time = platform::LocaleTimeSeparator();
    EXPECT_TRUE(date != 0 && date != ' ');
    EXPECT_TRUE(time != 0 && time != ' ');
    if (const char* expected = std::getenv("VORLAN_EXPECT_DATE_SEPARATOR")) {
        EXPECT_EQ(date, expected[0]);
    }
}

} // namespace
