// What the command line prints (command_line.h): the JSON scripts read and
// the plain lines people read, UTF-8.
#pragma once

#include "ebbflow/core/prediction.h"
#include "ebbflow/tables/tide_days.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ebbflow {

// The position a station was looked for near, and how far it lies.
struct NearBy {
    double Latitude = 0, Longitude = 0; // degrees
    double DistanceNm = 0, CourseDeg = 0;
};

struct StationChoice {
    const Station* Chosen = nullptr;
    std::optional<NearBy> Near; // found by position
};

// "Name: value" lines of the station: its name, kind, position, where it
// was found from, its reference station, datum and notes (UTF-8).
using StationLine = std::pair<std::string, std::string>;
std::vector<StationLine> StationLines(const TideDatabase& db, const StationChoice& choice);

// {"station": {...}, "events": [...]} and a line end.
std::string EventsJson(const Station& station, HeightUnits units, const timezones::Zone& zone,
                       const std::vector<TideEvent>& events);

// {"station": {...}, "events": [], "at": {...}} and a line end.
std::string ReadingJson(const Station& station, HeightUnits units, const timezones::Zone& zone, double utc,
                        const Reading& reading);

// The station's lines, a table of the events (or a line saying there are
// none) and the data's notice.
std::string EventsLines(const TideDatabase& db, const StationChoice& choice, HeightUnits units,
                        const timezones::Zone& zone, const UtcSpan& span, const std::vector<TideEvent>& events);

// The station's lines, the instant and the reading, and the data's notice.
std::string ReadingLines(const TideDatabase& db, const StationChoice& choice, HeightUnits units,
                         const timezones::Zone& zone, double utc, const Reading& reading);

} // namespace ebbflow
