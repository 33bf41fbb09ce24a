// Positions as scripts write them: signed decimal degrees, or the windows'
// texts with their hemisphere letters.
#pragma once

#include "geo/angle_text.h"

#include <string>
#include <string_view>

namespace geo {

// The format of an entry field's text (blanks read as zeros), told by its
// layout; false when it has none of the three.
bool FormatOfEntry(const std::string& text, bool isLongitude, AngleFormat& format);

// "50.5125 -4.25" (latitude -90..90, longitude -180..180, north and east
// positive), or "50°30'45 N 004°15'00 W" in any of the three formats, with
// the degree sign in UTF-8 or as the byte 0xB0, read by the entry fields'
// own parser and refused where they refuse. False, with the reason in
// `why` (UTF-8, quoting the text as ShownText shows it), for anything
// else: NaN and infinities are no decimal degrees.
bool ReadPosition(std::string_view text, double& lat, double& lon, std::string& why);

// `latin1` (the windows' 8-bit texts, whose only non-ASCII byte is the
// degree sign) as UTF-8, for terminals and files.
std::string Utf8Text(const std::string& latin1);

// `utf8` with each degree sign in UTF-8 made the windows' 8-bit one (the
// byte 0xB0), every other byte kept: the texts of files and scripts as the
// entry fields' parsers read them.
std::string EightBitText(std::string_view utf8);

// A double as text whatever the user's locale: with `decimals` fixed
// decimals, or (-1) the shortest that reads back as the same double, in
// plain decimals from 1e-6 to 1e21 ("2000000", "0.0001") and with an
// exponent beyond. A value whose text is zero has no minus sign (-0.0,
// -1e-9 to 6 decimals).
std::string DecimalText(double value, int decimals = -1);

} // namespace geo
