#include "legplot/core/voyage_file.h"

#include <gtest/gtest.h>

#include "test_texts.h"

#include <string>
#include <vector>

namespace {

using legplot::ReadVoyageFile;
using legplot::VoyageEntries;
using legplot::WriteVoyageFile;
using testtexts::T;
using testtexts::WhatOf;

VoyageEntries Sample()
{
    VoyageEntries e;
    e.Latitude = {T("50*21'15\"250"), geo::AngleFormat::DMSsss, false};
    e.Longitude = {T("000*00'00"), geo::AngleFormat::DMdd, true}; // a zero west keeps its sign
    e.Year = 2027;
    e.Month = 2;
    e.Day = 28;
    e.DepartureTime = "23:59";
    e.Ellipsoid = "Intern.(Hayf)";
    e.Display = geo::AngleFormat::DMS;
    e.Legs[0] = {"400.0", "07.5", "-0:30"}; // stored by the window as typed
    e.Legs[1] = {"", "", "99:99"};
    e.Legs[2] = e.Legs[3] = {"", "", "00:00"};
    e.Legs[4] = {"359.9", "00.0", "00:00"};
    return e;
}

// `text` with the line starting with `key` replaced by `line` (or removed).
std::string With(std::string text, const std::string& key, const std::string& line)
{
    const std::size_t at = text.find("\n" + key) + 1;
    text.replace(at, text.find('\n', at) + 1 - at, line.empty() ? "" : line + "\n");
    return text;
}

TEST(VoyageFile, WrittenVoyageReadsBackEntryForEntry)
{
    const std::string text = WriteVoyageFile(Sample());
    EXPECT_EQ(ReadVoyageFile(text), Sample());
    // A text editor's line ends, comments, spacing and byte-order mark are
    // no change.
    std::string edited = With(text, "display", "  display=DMS  \r");
    edited = With(edited, "ellipsoid", "ellipsoid\t=\tIntern.(Hayf)\t");
    edited.insert(edited.find('\n') + 1, "\n# kept for the skipper\n\t\n");
    EXPECT_EQ(ReadVoyageFile(edited), Sample());
    EXPECT_EQ(ReadVoyageFile("\xEF\xBB\xBF" + text), Sample()) << "a byte-order mark is read over";
    EXPECT_NE(text.find("start-latitude = 50\xC2\xB0" "21'15\"250 N\n"), std::string::npos) << text;
}

TEST(VoyageFile, RefusesWhatTheWindowWouldNotStoreNamingLineOrKey)
{
    const std::string good = WriteVoyageFile(Sample());
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {"", "it is empty"},
        {"#!/bin/sh\nrm -rf ~\n", "it is not a voyage file"},
        {With(good, "VORLAN", "VORLAN voyage 2"), "version 2 of the voyage format; this program reads version 1"},
        {good.substr(0, good.size() - 3), "it is truncated: its last line has no end"},
        {With(good, "leg-5-interval", ""), "the key leg-5-interval is missing"},
        {With(good, "start-latitude", "start-latitude = 95\xC2\xB0" "00'00 N"), "line 3: start-latitude is out of range"},
        {With(good, "start-longitude", "start-longitude = 200\xC2\xB0" "00'00 E"), "line 4: start-longitude is out of range"},
        {With(good, "start-longitude", "start-longitude = 004\xC2\xB0" "00'00 N"), "line 4: start-longitude does not end in E or W"},
        {With(good, "start-latitude", "start-latitude = 50.5 N"), "line 3: start-latitude is not a position"},
        {With(good, "start-latitude", "start-latitude = 50\xC2\xB0" "2 '15\"250 N"), "line 3: start-latitude is not a position"},
        {With(good, "leg-1-course", "leg-1-course = 45"), "leg-1-course '45' is not a number of the layout 999.9"},
        {With(good, "leg-2-speed", "leg-2-speed = 1e3"), "leg-2-speed '1e3' is not a number"},
        {With(good, "leg-3-interval", "leg-3-interval = -1:00"), "leg-3-interval '-1:00' is not an interval"},
        {With(good, "ellipsoid", "ellipsoid = 22"), "ellipsoid '22' is not known here"},
        {With(good, "display", "display = DD.ddd"), "display 'DD.ddd' is not known here"},
        {With(good, "departure-date", "departure-date = 1599-12-31"), "is not a date from 1600-01-01 to 3999-12-31"},
        {With(good, "departure-date", "departure-date = 4000-01-01"), "is not a date from 1600-01-01"},
        {With(good, "departure-date", "departure-date = 2027-02-29"), "2027-02-29 is not a date"},
        {With(good, "departure-time", "departure-time = 24:00"), "24:00 is not a time of day"},
        // Reasons are UTF-8, as the window shows them: a degree sign quoted stays one.
        {With(good, "departure-time", "departure-time = 12\xC2\xB0" "00"),
         "line 6: departure-time '12\xC2\xB0" "00' is not a number of the layout 99:99"},
        {With(good, "display", "display = DMS\ndisplay = DMS"), "the key display appears a second time"},
        {With(good, "display", "display = DMS\nautorun = yes"), "the key autorun is not a key of a voyage"},
        {With(good, "display", "display <b>DMS</b>"), "is not \"key = value\""},
        {With(good, "ellipsoid", std::string("ellipsoid = WGS 84\0", 19)),
         "line 7, column 19: it holds the character U+0000, which is not part of a voyage"},
        {With(good, "ellipsoid", "ellipsoid = WGS\xE2\x80\x8B 84"), "line 7, column 16: it holds the character U+200B"},
        {With(good, "ellipsoid", "ellipsoid = WGS\t84"), "line 7, column 16: it holds the character U+0009"},
        {With(good, "ellipsoid", "ellipsoid = WGS\xF0\x9F\x9A\xA2 84"), "line 7, column 16: it holds the character U+1F6A2"},
        {With(good, "ellipsoid", "ellipsoid = WGS\xC0\xA0 84"), "line 7, column 16: it holds the byte 0xC0, which is not UTF-8"},
        {good + std::string(legplot::LargestVoyageFile, '#'), "it is larger than any voyage file"},
    };
    for (const auto& c : cases) {
        const std::string what = WhatOf([&] { ReadVoyageFile(c.text); });
        EXPECT_NE(what.find(c.reason), std::string::npos) << what << "\nfor:\n" << c.text.substr(0, 400);
    }
}

} // namespace
