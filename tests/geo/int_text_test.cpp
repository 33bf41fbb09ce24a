#include "geo/errors.h"
#include "geo/int_text.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <string>

namespace {

std::string ErrorOf(const std::string& text)
{
    return testtexts::WhatOf([&] { geo::StrToInt(text); });
}

TEST(StrToInt, ReadsSignedDecimals)
{
    EXPECT_EQ(geo::StrToInt("00"), 0);
    EXPECT_EQ(geo::StrToInt("89"), 89);
    EXPECT_EQ(geo::StrToInt("-5"), -5);
    EXPECT_EQ(geo::StrToInt("+7"), 7);
    EXPECT_EQ(geo::StrToInt("  12"), 12); // leading blanks are skipped
    EXPECT_EQ(geo::StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(geo::StrToInt("2147483647"), 2147483647);
}

TEST(StrToInt, RefusesWhatIsNotADecimalInteger)
{
    EXPECT_EQ(ErrorOf(""), "'' is not a valid integer value");
    EXPECT_EQ(ErrorOf("-"), "'-' is not a valid integer value");
    EXPECT_EQ(ErrorOf("+"), "'+' is not a valid integer value");
    EXPECT_EQ(ErrorOf("1-"), "'1-' is not a valid integer value");
    EXPECT_EQ(ErrorOf("--1"), "'--1' is not a valid integer value");
    EXPECT_EQ(ErrorOf("+-5"), "'+-5' is not a valid integer value");
    EXPECT_EQ(ErrorOf("1 "), "'1 ' is not a valid integer value");
    EXPECT_EQ(ErrorOf("1.5"), "'1.5' is not a valid integer value");
    EXPECT_EQ(ErrorOf("$1F"), "'$1F' is not a valid integer value");
    EXPECT_EQ(ErrorOf("0x1F"), "'0x1F' is not a valid integer value");
    EXPECT_EQ(ErrorOf("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(ErrorOf("99999999999999999999"), "'99999999999999999999' is not a valid integer value");
}

} // namespace
