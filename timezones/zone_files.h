// The system's time-zone database: named zones read from their TZif files,
// the list of the zones it holds, and the zone argument of the command
// lines.
//
// A name is checked before any file is opened: one to 128 characters,
// components of ASCII letters, digits, '_', '-', '+' and '.' (as tzdata's
// names are) joined by single '/', no component "." or "..", none starting
// with '-', nothing before the first or after the last. The file must be a
// regular file (a link to one is followed) of at most 64 KiB.
#pragma once

#include "timezones/zone.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace timezones {

inline const std::string SystemZoneDirectory = "/usr/share/zoneinfo";

inline constexpr std::size_t MaxZoneNameLength = 128;

bool IsZoneName(std::string_view name);

// The zone `name` ("Europe/London") from `directory`. Throws TimeError
// ("'../x' is not a time-zone name", "There is no time zone Europe/Lundun
// in /usr/share/zoneinfo") or ZoneFileError for a file that cannot be read
// or is not sound, naming the file and the reason.
Zone LoadZone(std::string_view name, const std::string& directory = SystemZoneDirectory);

// The names of the zones `directory` holds, sorted and each once: the zones
// and links of tzdata.zi, or where that cannot be read the zones of
// zone1970.tab, or of zone.tab; names whose file is missing are left out.
// Throws ZoneFileError when none of the three can be read.
std::vector<std::string> ZoneNames(const std::string& directory = SystemZoneDirectory);

// A command line's zone: "UTC"; "ZT", the nautical zone time of
// `longitudeDeg` (TimeError "ZT needs the position's longitude" without
// one); or a zone name, with or without the leading ':' of a POSIX TZ
// value (":America/New_York"), loaded from `directory`.
Zone ParseZoneArgument(std::string_view text, std::optional<double> longitudeDeg,
                       const std::string& directory = SystemZoneDirectory);

} // namespace timezones
