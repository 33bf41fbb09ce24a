// Voyage files: what the dead-reckoning window holds, kept as plain text.
//
//   VORLAN voyage 1
//   start-latitude = 52°30'27"003 N
//   start-longitude = 004°15'27"000 W
//   departure-date = 2026-12-08
//   departure-time = 14:30
//   ellipsoid = WGS 84
//   display = DMS.sss
//   leg-1-course = 045.0
//   leg-1-speed = 12.5
//   leg-1-interval = 03:30
//   ... and so on to leg-5-interval
//
// The suite's keyed text (platform/keyed_text/keyed_text.h): UTF-8, one
// "key = value" a line, every key once, in any order. The values are the
// texts of the window's fields as it stored them, in their own layouts: a
// start position in the layout it was typed in (which tells its format),
// so that reading it computes the same double, to the last bit, as typing
// it did.
// An empty course or speed is a field left blank. The first line names the
// format and its version; a reader refuses a later version.
#pragma once

#include "geo/angle_text.h"
#include "platform/keyed_text/keyed_text.h"

#include <array>
#include <string>
#include <string_view>

namespace legplot {

inline constexpr int VoyageFileVersion = 1;
// Far above the largest voyage file (about 500 bytes with long comments
// aside); a larger file is refused unread.
inline constexpr std::size_t LargestVoyageFile = 16384;
inline constexpr platform::KeyedFormat VoyageFormat{"voyage", VoyageFileVersion, LargestVoyageFile, "a voyage",
                                                    "a voyage"};

// What is wrong with a voyage file, as "line 7: ..." or "the key ... is
// missing" (UTF-8); the window puts the file's name before it.
using VoyageFileError = platform::FileFormatError;

// A start position as typed: 8-bit text (the degree sign is 0xB0), blanks
// already read as zeros, in the layout of `Format`.
struct StartEntry {
    std::string Text;
    geo::AngleFormat Format = geo::AngleFormat::DMdd;
    bool Negative = false; // south or west

    bool operator==(const StartEntry&) const = default;
};

struct LegEntries {
    std::string Course;   // "ddd.d", or empty for a blank field
    std::string Speed;    // "dd.d", or empty
    std::string Interval; // "hh:mm" as the interval field takes it

    bool operator==(const LegEntries&) const = default;
};

struct VoyageEntries {
    StartEntry Latitude;
    StartEntry Longitude;
    int Year = 0, Month = 0, Day = 0; // departure date, 1600..3999
    std::string DepartureTime;        // "hh:mm", 00:00..23:59
    std::string Ellipsoid;            // a name of the catalogue
    geo::AngleFormat Display = geo::AngleFormat::DMdd;
    std::array<LegEntries, 5> Legs{};

    bool operator==(const VoyageEntries&) const = default;
};

// The file's text.
std::string WriteVoyageFile(const VoyageEntries& entries);

// Reads a whole file. Refuses (VoyageFileError) anything the window would
// not store: a file that is not a voyage (its first line is looked at
// first, so that a picture or a text in UTF-16 is called that), a later
// version, a last line without its end, a line that is not "key = value",
// an unknown or repeated key, a missing key (a truncated file), a value out
// of its layout or range (a latitude of 95°, an unknown ellipsoid, a date
// outside 1600..3999), a file larger than LargestVoyageFile, and a
// character a voyage does not hold (anything but printable ASCII, the
// degree sign and the tabs around keys and values), named by its line, its
// column (in characters, from 1) and its code point: "line 7, column 16:
// it holds the character U+00E9, which is not part of a voyage", or the
// byte that is not UTF-8.
VoyageEntries ReadVoyageFile(std::string_view text);

} // namespace legplot
