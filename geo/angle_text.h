// Fixed-layout texts of latitudes and longitudes.
//
// Angles are signed decimal degrees in doubles, north and east positive.
// Texts are 8-bit: the degree sign is the single byte 0xB0, the minute mark
// the apostrophe and the second mark the double quote.
//
//   code  caption    latitude          longitude
//   0     "DM.dd"    DD°MM'hh          DDD°MM'hh         (hh: hundredths of a minute)
//   1     "DMS"      DD°MM'SS"         DDD°MM'SS"
//   2     "DMS.sss"  DD°MM'SS"ttt      DDD°MM'SS"ttt     (ttt: thousandths of a second)
#pragma once

#include <string>
#include <string_view>

namespace geo {

// The display format; its code is the item index of the window's "Display"
// group, so any int may arrive here through static_cast. Codes other than
// 0..2 have an empty layout.
enum class AngleFormat : int { DMdd = 0, DMS = 1, DMSsss = 2 };

inline constexpr char DegreeSign = '\xB0';

// The layout of a format with '#' for every digit position, for example
// "##\xB0##'##" for a latitude in DM.dd. Empty for an unknown code.
std::string AngleLayout(AngleFormat format, bool isLongitude);

// The text of `degrees` in `format`, followed by " N"/" S" (latitude) or
// " E"/" W" (longitude). The hemisphere is that of the sign; minus zero is
// not negative. Magnitudes below 1e-5 degree show as zero.
//
// Longitudes beyond +-360 are first reduced by whole turns (keeping their
// sign); then a longitude beyond 180 shows as 360 minus it in the other
// hemisphere (190 is 170 W, +360 is 000°00'00 W). Exactly 180 keeps its
// hemisphere. Latitudes are never folded.
//
// Fields never overflow: 100 hundredths of a minute, 60 seconds or 60
// minutes are carried into the next field up to the degrees, so
// 12.58333 shows 12°35'00 and a value just below 13 shows 13°00'00. A
// longitude that carries up to 180 keeps its hemisphere, as 180 itself does.
//
// NaN, infinities and latitudes of a billion degrees or more have no such
// text: they show the layout with '-' for every digit and no hemisphere.
std::string FormatAngle(AngleFormat format, bool isLongitude, double degrees);

// The text of `degrees` for an entry field: the layout of FormatAngle
// without the hemisphere. Where the carry would reach 90 degrees of
// latitude or 180 of longitude, which the parsers refuse, it is held to the
// largest text they accept instead (89°59'99 in DM.dd, 179°59'59"999 in
// DMS.sss), so that a field never shows what its own reading would refuse.
std::string EntryText(AngleFormat format, bool isLongitude, double degrees);

// Read a typed latitude (degrees 0..89) or longitude (0..179) from the
// fixed character positions of its layout; blanks read as zeros, the
// separators and everything after the last field are not looked at, so a
// FormatAngle text parses back unchanged.
//
// On entry `value` holds the current angle: its sign is the hemisphere, and
// the result takes it (minus zero counts as north/east). On return
// `message` is empty and `value` holds the angle read, or `message` holds
// the text of the last field out of range ("Wrong Degrees " for a latitude,
// "Wrong Degrees !", "Wrong Minutes !", "Wrong Seconds !") and `value` is
// unchanged.
//
// A field that is not a decimal integer (a sign out of place, or a field
// beyond the end of a short text) throws ConvertError; `value` and
// `message` are then unchanged apart from the message being cleared.
void ParseLatitude(const std::string& text, AngleFormat format, double& value, std::string& message);
void ParseLongitude(const std::string& text, AngleFormat format, double& value, std::string& message);
// ParseLongitude where `isLongitude`, else ParseLatitude.
void ParseCoordinate(bool isLongitude, const std::string& text, AngleFormat format, double& value, std::string& message);

// A course, degrees clockwise from north, in the longitude's layout
// without a hemisphere ("258\xB050'11" in DM.dd): reduced to 0..360 first,
// rounded once in the format's smallest unit as FormatAngle rounds, and a
// course that rounds up to 360 shows as 000. Small courses show as they
// are, not as zero: a course is no longitude near the prime meridian. NaN
// and infinities show dashes.
std::string CourseText(AngleFormat format, double course);

// The formats' names, by code: "DM.dd", "DMS", "DMS.sss".
inline constexpr std::string_view AngleFormatNames[] = {"DM.dd", "DMS", "DMS.sss"};

// `text` with every blank replaced by the digit '0'.
std::string BlanksToZeros(std::string text);

} // namespace geo
