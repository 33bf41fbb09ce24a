// The texts of a navigator's worksheet: altitudes in degrees and decimal
// minutes as the sextant reads them, corrections in signed arc-minutes,
// azimuths in degrees. The texts are 8-bit, as geo's angle texts are (the
// degree sign is the byte 0xB0); what is read takes it in UTF-8 too.
#pragma once

#include <string>
#include <string_view>

namespace celpos {

// A sextant altitude as typed: degrees and decimal minutes "35°12.4"
// (the minute mark ' after them may be given, the degree sign in UTF-8 or
// as the byte 0xB0), or decimal degrees "35.2067"; no sign, no exponent.
// Minutes below 60. Throws SightError naming the text otherwise (the
// range, 0 to 90, is CorrectAltitude's).
double ReadSextantAltitude(std::string_view text);

// A decimal number as typed into a field ("-1.2", "10", "+0.5"): digits
// with at most one point and an optional sign; throws SightError "<what>
// '<text>' is not a number" otherwise.
double ReadDecimal(std::string_view text, const std::string& what);

// "35°12.4'" (rounded once to tenths of a minute; "-0°03.2'" below the
// horizon); dashes for NaN.
std::string AltitudeText(double degrees);

// "+1.2'", "-3.5'", "0.0'" (no sign on zero).
std::string CorrectionText(double arcmin);

// "145.3°" for an azimuth (000.0 to 359.9, 360 rounding to 000.0).
std::string AzimuthText(double degrees);

// "2.4 nm toward" or "0.8 nm away" for an intercept (nautical miles,
// positive toward).
std::string InterceptText(double nm);

// "123°45.6'" for an hour angle, [0, 360) (360 rounding to 0).
std::string HourAngleText(double degrees);

// "N 23°26.1'" or "S 5°02.3'" for a declination.
std::string DeclinationText(double degrees);

// "50°12.3' N" and "004°08.5' W", to tenths of a minute; a longitude is
// first brought into -180..180 (exactly 180 is east).
std::string LatitudeText(double degrees);
std::string LongitudeText(double degrees);

// A position as "50°12.3' N  004°08.5' W".
std::string PositionText(double latDeg, double lonDeg);

} // namespace celpos
