// ebbflow's command line, for scripts:
//
//   ebbflow [--json] [STR] (--station NAME | --near POSITION) [--from DATE]
//           [--days N] [--zone Z] [--units ft|m] [--at TIME]
//
// prints the high and low waters (with STR the slack waters and strongest
// flood and ebb streams) of N days (1 unless given, at most 1461) from DATE
// ("2024-03-10"; today on the zone's clock unless given), or with --at the
// height or stream at TIME instead: an instant with its offset
// ("2024-03-10T14:30-04:00", "...Z"), a date and time on the zone's clock
// ("2024-03-10T14:30"), or a time of day of DATE ("14:30", "14:30:15"). A
// time the clocks skip or show twice is refused, naming the change.
//
// The station is found by name (without case or accents, a part of a name
// if only one name holds it) or as the nearest to a position (signed
// decimal degrees or the windows' text), among the tide stations, or with
// STR the tidal-stream stations. Z is the station's own zone unless given:
// "UTC", "ZT" (the nautical zone time of the station's longitude) or a zone
// name of the system's database, with or without a leading ':'.
//
// The plain output is the window's texts; --json gives exactly
//   {"station": {"name", "kind", "latitude_deg", "longitude_deg", "datum",
//    "units", "zone"}, "events": [{"time", "kind", "height"}]}
// with "speed_kn" (flood positive, ebb negative) and "direction_deg" (null
// at slack) in place of "height" for streams, and with --at "events": []
// and "at": {"time", "height" or "speed_kn"}. Times are ISO 8601 with the
// zone's offset, to the second; numbers the shortest that read back as
// the computed double; "datum" is null for streams, "zone" the station's
// zone from the data (null where they give none).
//
// Exit status 0; 2 for input it cannot take, with a message naming what is
// wrong and the usage line; 1 when the tide data cannot be read.
#pragma once

#include "ebbflow/core/tide_database.h"

#include <functional>
#include <string>
#include <vector>

namespace ebbflow {

// Whether `words` open the window: none (tides), or "STR" alone (streams).
bool OpensWindow(const std::vector<std::string>& words);

// What the command line reads beside its words: the tide data, opened when
// first needed, and the present instant (UTC seconds), for --from's
// default.
struct CommandLineWorld {
    std::function<const TideDatabase&()> Data;
    std::function<double()> Now;
};

// Debian's tide data and the system's clock.
CommandLineWorld SystemWorld();

// Runs the command line (`words` without the program's name): the output
// in `out`, a message in `err`. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& words, std::string& out, std::string& err,
                   const CommandLineWorld& world);
int RunCommandLine(const std::vector<std::string>& words, std::string& out, std::string& err);

} // namespace ebbflow
