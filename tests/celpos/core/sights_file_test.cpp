// Sights files: written and read back unchanged, the sample that comes
// with the suite read, and every kind of damaged or foreign file refused
// with its line and reason.
#include "celpos/core/sights_file.h"

#include "test_texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using testtexts::WhatOf;

std::string Sample()
{
    std::ifstream in(VORLAN_SOURCE_DIR "/docs/sample.sights", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// `text` with the line of `key` replaced by `line` (or removed when empty).
std::string With(std::string text, const std::string& key, const std::string& line)
{
    const std::size_t at = text.find("\n" + key + " = ");
    const std::size_t end = text.find('\n', at + 1);
    text.replace(at + 1, end - at, line.empty() ? "" : line + "\n");
    return text;
}

TEST(SightsFile, WrittenAndReadBackUnchanged)
{
    const std::string sample = Sample();
    const celpos::SightsEntries entries = celpos::ReadSightsFile(sample);
    EXPECT_EQ(celpos::WriteSightsFile(entries), sample); // the sample is as this program writes it
    ASSERT_EQ(entries.Sights.size(), 3u);
    EXPECT_EQ(entries.Sights[2].Body, "Vega");
    EXPECT_NEAR(entries.DrLatDeg, 47 + 34.0 / 60, 1e-12);

    celpos::SightsEntries e = entries;
    e.Display = geo::AngleFormat::DMSsss;
    e.DrLatDeg = -(33 + 51.0 / 60 + 24.125 / 3600);
    e.DrLonDeg = 151 + 12.5 / 60;
    e.Speed = "12.5";
    e.Sights.push_back({"Sun", celpos::Limb::Upper, "2026-07-17T12:04:31Z", "62\xC2\xB0" "07.3", "-0.8", true});
    e.Sights.push_back({"Rigil Kent.", celpos::Limb::Centre, "2026-07-17T18:00:00Z", "41.25", "", false});
    const std::string text = celpos::WriteSightsFile(e);
    EXPECT_NE(text.find("sight-4 = Sun, upper, 2026-07-17T12:04:31Z, 62\xC2\xB0" "07.3, noon, ie -0.8\n"), std::string::npos);
    const celpos::SightsEntries back = celpos::ReadSightsFile(text);
    EXPECT_EQ(celpos::WriteSightsFile(back), text);
    EXPECT_EQ(back.Sights, e.Sights);
    EXPECT_EQ(back.Display, e.Display);

    // As editors keep it: a byte-order mark, Windows line ends, tabs and
    // blanks around keys and values, comments and blank lines.
    std::string edited = "\xEF\xBB\xBF" + sample;
    for (std::size_t at = 0; (at = edited.find('\n', at)) != std::string::npos; at += 2)
        edited.replace(at, 1, "\r\n");
    edited = With(edited, "speed", "\t speed\t=  8.0 \t\r\n\r\n# a note\r");
    EXPECT_EQ(celpos::ReadSightsFile(edited), entries);
}

TEST(SightsFile, RefusesWhatTheWindowWouldNotTake)
{
    const std::string good = Sample();
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "it is empty"},
        {"\x89PNG\r\n\x1A\n", "it is not a sights file (its first line is not \"VORLAN sights\" and a version)"},
        {"VORLAN voyage 1\n", "it is not a sights file"},
        {"VORLAN sights 2\n", "it was written in version 2 of the sights format; this program reads version 1"},
        {good.substr(0, good.size() - 1), "it is truncated: its last line has no end"},
        {With(good, "sight-3", ""), "it is truncated or damaged: the key sight-3 is missing"},
        {With(good, "pressure", ""), "the key pressure is missing"},
        {good + "sight-4 = Vega, centre, 2026-07-17T03:34:10Z, 45\xC2\xB0" "53.7\n", "line 18: the key sight-4 is not a key of a sights file"},
        {good + "speed = 9\n", "line 18: the key speed appears a second time"},
        {good + "just words\n", "line 18: it is not \"key = value\""},
        {With(good, "course", "course = 400"), "line 5: course: The course 400 is outside 0 to 359.9"},
        {With(good, "speed", "speed = fast"), "line 6: speed: The speed 'fast' is not a number"},
        {With(good, "dut1", "dut1 = 1.5"), "DUT1 1.5 is outside -0.9 to 0.9"},
        {With(good, "dr", "dr = 95 -8"), "line 4: dr: "},
        {With(good, "display", "display = DD"), "line 13: display: 'DD' is not DM.dd, DMS or DMS.sss"},
        {With(good, "sights", "sights = 21"), "'21' is not a number of sights from 0 to 20"},
        {With(good, "sight-1", "sight-1 = Schedar, lower, 2026-07-17T03:26:00Z, 68\xC2\xB0" "38.9"), "Schedar is a star: it has no lower limb"},
        {With(good, "sight-1", "sight-1 = Aries, centre, 2026-07-17T03:26:00Z, 68\xC2\xB0" "38.9"), "Aries is a point of the sky"},
        {With(good, "sight-1", "sight-1 = Vega, centre, 2026-07-17T03:26:00Z, 68\xC2\xB0" "38.9, noon"), "A noon sight is a sight of the Sun, not of Vega"},
        {With(good, "sight-1", "sight-1 = Vulcan, centre, 2026-07-17T03:26:00Z, 68\xC2\xB0" "38.9"), "'Vulcan' is not a body of the almanac"},
        {With(good, "sight-1", "sight-1 = Schedar, centre, 2026-07-17T03:26Z, 68\xC2\xB0" "38.9"), "is not a time as 2026-12-09T12:04:31Z writes it"},
        {With(good, "sight-1", "sight-1 = Schedar, centre, 1899-07-17T03:26:00Z, 68\xC2\xB0" "38.9"), "line 15: sight-1: "},
        {With(good, "sight-1", "sight-1 = Schedar, centre, 2026-07-17T03:26:00Z, 68\xC2\xB0" "75.0"), "the minutes are 60 or more"},
        {With(good, "sight-1", "sight-1 = Schedar, centre, 2026-07-17T03:26:00Z, 98.5"), "The sextant altitude 98.5 is outside 0 to 90"},
        {With(good, "sight-1", "sight-1 = Schedar, centre, 2026-07-17T03:26:00Z, 68\xC2\xB0" "38.9, ie 45"), "The index error 45 is outside -30 to 30"},
        {With(good, "sight-1", "sight-1 = Schedar, 2026-07-17T03:26:00Z, centre, 68\xC2\xB0" "38.9"), "is not written as a sights file writes it"},
        {With(good, "sight-1", "sight-1 = Schedar, centre, 2026-07-17T03:26:00Z, 68\xC2\xB0" "38.9, noon, noon"), "a second time"},
        {With(good, "temperature", "temperature = 18\xC3\xA9"), "line 8, column 17: it holds the character U+00E9, which is not part of this file"},
        {With(good, "temperature", "temperature = 18\xFF"), "line 8, column 17: it holds the byte 0xFF, which is not UTF-8 text"},
        {With(good, "temperature", "temp\terature = 18"), "line 8, column 5: it holds the character U+0009"},
        {With(good, "temperature", "temperature = <b>18</b>"), "temperature: The temperature '<b>18</b>' is not a number"},
        {good + std::string(16384, '#') + "\n", "it is larger than any sights file (16384 bytes at most)"},
    };
    for (const auto& c : cases) {
        const std::string why = WhatOf([&c] { celpos::ReadSightsFile(c.text); });
        EXPECT_NE(why.find(c.reason), std::string::npos) << c.reason << "\n  got: " << why;
    }
}

} // namespace
