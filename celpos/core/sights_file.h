// Sight files: a round of sights as a navigator typed it, kept as text.
//
//   VORLAN sights 1
//   dr = 50.354166666666664 -4.141666666666667
//   course = 045.0
//   speed = 12.0
//   height-of-eye = 2.5
//   temperature = 10
//   pressure = 1010
//   index-error = -1.2
//   watch-error = 0
//   dut1 = 0
//   display = DM.dd
//   sights = 2
//   sight-1 = Sun, lower, 2026-12-09T09:12:04Z, 12°41.3
//   sight-2 = Sun, lower, 2026-12-09T12:04:31Z, 18°02.7, noon, ie -1.0
//
// The suite's keyed text (platform/keyed_text/keyed_text.h). `dr` is the
// DR position at the time of the first sight, written as signed decimal
// degrees to the last bit (read as the command lines read positions, so
// that an editor may write it with its letters, "50°21'15 N 004°08'30 W").
// The numbers are the fields' texts as typed:
// course (degrees true), speed (knots), height of eye (metres),
// temperature (Celsius), pressure (hPa), the index error (arc-minutes,
// positive on the arc), the watch error (seconds, positive when fast),
// DUT1 (seconds). `display` is the window's format. Each sight: the body
// as the almanac spells it, the limb, the time the watch read (ISO 8601
// UTC to the second, as written here), the sextant altitude as typed,
// then "noon" for a noon sight and "ie" with the sight's own index error,
// either or both, in any order. Every key once, sight-1 to sight-N for
// sights = N (0 to 20).
#pragma once

#include "celpos/core/altitude_corrections.h"
#include "celpos/core/fix.h"
#include "geo/angle_text.h"
#include "platform/keyed_text/keyed_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace celpos {

inline constexpr int SightsFileVersion = 1;
inline constexpr std::size_t LargestSightsFile = 16384;
inline constexpr std::size_t MostSights = 20;
inline constexpr platform::KeyedFormat SightsFormat{"sights", SightsFileVersion, LargestSightsFile, "a sights file",
                                                   "this file"};

// What is wrong with a sights file ("line 7: ..."); the window puts the
// file's name before it.
using FileFormatError = platform::FileFormatError;

struct SightEntry {
    std::string Body;           // the almanac's spelling
    Limb LimbTaken = Limb::Lower;
    std::string Time;           // "2026-12-09T12:04:31Z": what the watch read
    std::string Hs;             // as typed (UTF-8)
    std::string IndexError;     // arc-minutes as typed; empty for the round's
    bool Noon = false;

    bool operator==(const SightEntry&) const = default;
};

struct SightsEntries {
    double DrLatDeg = 0, DrLonDeg = 0;
    std::string Course = "000.0", Speed = "00.0";
    std::string HeightOfEye = "0", Temperature = "10", Pressure = "1010";
    std::string IndexError = "0", WatchError = "0", Dut1 = "0";
    geo::AngleFormat Display = geo::AngleFormat::DMdd;
    std::vector<SightEntry> Sights;

    bool operator==(const SightsEntries&) const = default;
};

// The file's text (UTF-8).
std::string WriteSightsFile(const SightsEntries& entries);

// Reads a whole file, refusing (FileFormatError, "line N: ...") whatever
// the window would not take: the format's refusals, a missing or unknown
// key, a number out of layout or range, a body the almanac does not know,
// a sight of Aries, a star by its limb, a noon sight of another body, a
// time that is not one as written here, more than MostSights sights.
SightsEntries ReadSightsFile(std::string_view text);

// The round the entries describe. Throws SightError naming the field
// ("Sight 2: ...") for what cannot be taken.
SightRound RoundOf(const SightsEntries& entries);

// A number field of the file by its key ("course", "speed",
// "height-of-eye", "temperature", "pressure", "index-error",
// "watch-error", "dut1"), read as typed and held to its range. Throws
// SightError with what is wrong ("The course 400 is outside 0 to 359.9").
double ReadSightsNumber(std::string_view key, const std::string& text);

// One sight as the command line and the file write it: "Sun, lower,
// 2026-12-09T12:04:31Z, 35°12.4[, noon][, ie -1.2]"; and read it back
// (the limb may be left out: the body's default). Throws SightError.
std::string SightText(const SightEntry& sight);
SightEntry ReadSightText(std::string_view text);

} // namespace celpos
