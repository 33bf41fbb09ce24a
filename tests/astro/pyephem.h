// PyEphem's figures for the astronomy tests: the cases of every test in
// this program, asked of Debian's python3-ephem in one run.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace astrotest {

struct EventCase {
    const char* Name;
    double Latitude, Longitude, Height;
    int Year, Month, Day;
    double ZoneHours; // the local day starts at local midnight, UTC - zone
};
extern const std::vector<EventCase> EventCases;

// The local day of a case: [Start, Start + 86400) in UTC seconds.
double DayStart(const EventCase& c);

// UTC seconds of a calendar date at 00:00 UTC.
double UtcOfDate(int year, int month, int day);

// UT instants (UTC seconds) at which places are compared, 1972 to 2026.
std::vector<double> PlaceInstants();

struct PhaseInterval {
    double Start, End;
};
extern const std::vector<PhaseInterval> PhaseIntervals;
std::vector<double> MoonPhaseInstants();
std::vector<double> DeltaTInstants(); // 1900 to 1960

// The answer lines of one request, each split into its words after the
// request's name and id: "event 3 sunrise 1710915473.1" gives {"sunrise",
// "1710915473.1"} under ("event", "3").
using Lines = std::vector<std::vector<std::string>>;
const Lines& PyEphem(const std::string& kind, int id);

} // namespace astrotest
