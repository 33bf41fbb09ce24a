// Texts of predictions as the window, the printed page and the plain
// command line show them (UTF-8: station names and the degree sign).
//
// Heights are shown to two decimals of their unit, speeds to one decimal
// of a knot, as the official tables give them; times to the minute on the
// zone's clock with the abbreviation in force ("07:40 EDT"), the instant
// rounded once to the nearest minute, half a minute up.
#pragma once

#include "ebbflow/core/prediction.h"
#include "timezones/zone.h"

#include <optional>
#include <string>
#include <vector>

namespace ebbflow {

// "High water", "Low water", "Slack water", "Max flood", "Max ebb".
std::string EventKindText(EventKind kind);

// "2.73 ft", "-0.12 m", "1.5 kn" (no "-0.00": a value that shows as zero
// has no sign).
std::string ValueText(double value, Units units);

// "050°" (degrees true, whole); empty for none.
std::string DirectionText(std::optional<double> direction);

// "07:40 EDT": the zone's clock at `utc` rounded to the minute. Throws
// timezones::TimeError for NaN or an instant outside the years 0000 to 9999.
std::string ClockText(double utc, const timezones::Zone& zone);

// "Sun 2024-03-10".
std::string DateText(timezones::CivilDate date);

// "reference tide station", "subordinate tidal-stream station", ...
std::string StationKindText(StationKind kind);

// "40°42'02 N 074°00'51 W" (degrees, minutes and hundredths); "not given"
// for a station the data place at 0, 0.
std::string PositionText(const Station& station);

// What heights refer to, with the units: "ft above Mean Lower Low Water"
// ("ft above the station's datum" where the data name none); "kn, flood
// positive, ebb negative" for streams.
std::string UnitsText(const Station& station, Units units);

// A reading as the window's "Height at" shows it: "3.21 ft above Mean
// Lower Low Water", "0.12 ft below Mean Lower Low Water"; "1.2 kn flood,
// 050°", "0.8 kn ebb, 230°", "slack".
std::string ReadingText(const Station& station, const Reading& reading, Units units);

// The zones' clocks over [fromUtc, toUtc): "America/New_York, EST (-05:00);
// EDT (-04:00) from Sun 2024-03-10 03:00", the abbreviation in force at the
// start and each change within the span; "UTC (+00:00)", "ZD +5 (-05:00)"
// for a zone that is its own abbreviation.
std::string ZoneText(const timezones::Zone& zone, double fromUtc, double toUtc);

// The line shown with every prediction: the data's file, date and terms and
// that they are not for navigation.
std::string NoticeText(const TideDatabase& db);

// An event as one row of the window's table and the plain output.
struct EventRow {
    std::string Date, Time, Event, Value, Direction;
};
// Slack waters have no value; tides no direction.
EventRow RowOf(const TideEvent& event, const timezones::Zone& zone, Units units);

} // namespace ebbflow
