// TZif files, the compiled time-zone rules of the system's database
// (/usr/share/zoneinfo), as RFC 8536 describes them: versions 1 (32-bit
// transitions only), 2 and 3 (the 64-bit section and the POSIX TZ footer
// that rules after the last transition); version 4 differs from 3 only in
// its leap-second table and is read too.
//
// The file is never trusted: every count is checked against the bytes that
// are really there before anything is read, every index and offset against
// what it points into. A file that counts leap seconds (the right/ zones)
// is refused, since civil time here has none.
#pragma once

#include "timezones/civil_calendar.h"
#include "timezones/posix_tz.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace timezones {

// The largest file read: the system's largest are under 4 KiB.
inline constexpr std::size_t MaxTzifBytes = 64 * 1024;

struct TzifData {
    int Version = 1;                           // 1..4
    std::vector<UtcSeconds> TransitionTimes;   // strictly ascending
    std::vector<std::uint8_t> TransitionTypes; // one index into Types per transition
    std::vector<LocalType> Types;              // at least one; Types[0] rules before the first transition
    std::optional<PosixTz> Footer;             // absent in version 1 and for an empty footer
};

// Reads the bytes of a TZif file. Throws ZoneFileError ("The time zone
// could not be read from <fileName>: it is truncated: ...") for anything
// that is not a sound TZif file of versions 1 to 4 within MaxTzifBytes.
TzifData ParseTzif(std::string_view bytes, const std::string& fileName);

} // namespace timezones
