// Instants as ISO 8601 texts in UTC, as GPX files and scripts write them:
// "2027-06-15T06:30:00Z". Instants are UTC seconds since
// 1970-01-01T00:00:00Z (POSIX time: every day 86400 seconds, no leap
// seconds), on the proleptic Gregorian calendar.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wayline {

enum class TimeResolution {
    Seconds,      // rounded to the nearest second: "2027-06-15T06:30:00Z"
    Milliseconds, // rounded to the millisecond, written where not whole: "...06:30:00.139Z"
};

// Earliest and latest instants with a four-digit year: 0001-01-01T00:00:00Z
// and the last millisecond of 9999-12-31.
inline constexpr double EarliestUtc = -62135596800.0;
inline constexpr double LatestUtc = 253402300799.999;

// The text of `seconds`, always with "Z". Throws RouteError ("... lies
// beyond the years 1 to 9999") for an instant that is not finite or rounds
// outside EarliestUtc..LatestUtc.
std::string UtcText(double seconds, TimeResolution resolution = TimeResolution::Seconds);

// An XML Schema dateTime, as GPX's <time> holds it: YYYY-MM-DDThh:mm:ss,
// an optional fraction of a second (any number of digits; kept to the
// millisecond, so that UtcText gives it back), and "Z", an offset "+hh:mm"/"-hh:mm" (up to 14:00) or
// nothing (taken as UTC, which GPX prescribes). Years 0001..9999 with four
// digits, real dates only, hours 00..23, seconds 00..59. None for anything else.
std::optional<double> ReadUtcText(std::string_view text);

} // namespace wayline
