// A month of predictions as one printed page (a tide table: a row for each
// day, its high and low waters or its slack waters and strongest streams
// with their times and values), and the events as CSV for spreadsheets.
#pragma once

#include "ebbflow/tables/tide_days.h"

#include <string>
#include <utility>
#include <vector>

namespace ebbflow {

struct TideTable {
    std::string Title; // "Tide Table : The Battery, New York Harbor, New York, March 2024"
    std::vector<std::pair<std::string, std::string>> Inputs; // the zone; the units and the letters
    std::vector<std::string> Headings;                       // "Day", "1st", "2nd", ...
    std::vector<std::vector<std::string>> Rows;              // "Sun 10", "07:40 H 4.52", ...
    std::vector<std::string> Notes;                          // the data's notice
};

// The table of the calendar month `year`-`month` at `station` on `zone`'s
// clock, values in `units` (PredictEvents' units, ValueUnits). Texts are
// UTF-8. Throws PredictionError or timezones::TimeError as the prediction
// and the zone do.
TideTable MonthTable(const TideDatabase& db, const Station& station, const timezones::Zone& zone, int year, int month,
                     HeightUnits units);

// "time,kind,value,unit" and a line for each event: the time in ISO 8601
// with the zone's offset, to the second; the kind as the command line names
// it ("high", "max_flood"); the value as the shortest decimal that reads
// back as it (0 at slack); the unit ("ft", "m", "kn"). Lines end in CR LF,
// as RFC 4180 has them.
std::string EventsCsv(const std::vector<TideEvent>& events, const timezones::Zone& zone, Units units);

} // namespace ebbflow
