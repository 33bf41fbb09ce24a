// The harmonic sum of a reference station,
//
//   S(t) = sum over its constituents of f * H * cos(w * t + (V0 + u) - kappa),
//
// with t in hours from 00:00 on 1 January of the year in the station's
// meridian time (UTC + its zone offset; the epochs kappa refer to that
// meridian), w the constituent's speed, and (V0 + u) and f the equilibrium
// argument and node factor of that year as the tide data give them. Each
// instant takes the arguments of its own year: a sum across New Year steps
// by the small change of those arguments. Times are UTC seconds since
// 1970-01-01 00:00 (leap seconds not counted), as doubles.
#pragma once

#include "ebbflow/core/tide_database.h"

#include <vector>

namespace ebbflow {

inline constexpr double SecondsPerHour = 3600.0;

// The terms of one station for one year, ready to sum.
struct YearTerms {
    int Year = 0;
    double StartUtc = 0; // 00:00 on 1 January in the station's meridian time
    double EndUtc = 0;   // the same of the next year
    std::vector<double> Amplitude; // f * H, the station's units
    std::vector<double> Speed;     // w, radians per hour
    std::vector<double> Phase;     // (V0 + u) - kappa, radians
};

// S and its first two derivatives (units, units per hour, per hour squared).
struct HarmonicSum {
    double Value = 0, Rate = 0, Curvature = 0;
};

// The year of the station's meridian time at `utc` (proleptic Gregorian).
int MeridianYear(const Station& station, double utc);

// The UTC instant of 00:00 on 1 January of `year` at the meridian
// `zoneOffsetMinutes` east of Greenwich.
double YearStartUtc(int year, int zoneOffsetMinutes);

// The terms of `station` (a reference station) for `year`. Throws
// PredictionError for a year the tide data do not cover.
YearTerms TermsOfYear(const Constituents& constituents, const Station& station, int year);

// S at `utc`, from the year's terms (an instant of another year is summed
// with these terms all the same).
HarmonicSum Sum(const YearTerms& terms, double utc);

} // namespace ebbflow
