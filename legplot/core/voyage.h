// The voyage plan and the five-leg dead-reckoning computation.
//
// Positions are signed decimal degrees (north and east positive), courses
// degrees clockwise from north, speeds knots, intervals decimal hours.
#pragma once

#include "geo/angle_text.h"
#include "geo/ellipsoids.h"
#include "legplot/core/calendar.h"
#include "legplot/core/sailing.h"
#include "legplot/core/time_text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace legplot {

inline constexpr int LegCount = 5;

struct Leg {
    double Interval = 0;        // hours; 0 marks an empty leg
    double Course = 0;          // degrees
    double Speed = 0;           // knots
    double EndLat = 0;          // degrees
    double EndLon = 0;          // degrees, not folded into -180..180
    std::int32_t ArrivalTime = 0; // seconds since midnight
    DayNumber ArrivalDate = 0;
    std::string IntervalText;   // the interval as typed, for the printout
    bool Computed = true;       // false: the last run stopped at or before this leg; no figures
};

// The one voyage the window shows. Legs[0] is leg 1; each leg starts where
// the one before it ended (leg 1 at the start position and departure).
struct VoyagePlan {
    double StartLat = 0;
    double StartLon = 0;
    std::array<Leg, LegCount> Legs{};
    geo::Ellipsoid CurrentEllipsoid{};
    ClockStamp Departure{};
    std::string DepartureDateText;
    std::string DepartureTimeText; // the departure time text the computation read
};

// What the computation reads from the window at every run.
struct VoyageInputs {
    int Year, Month, Day;    // departure date
    std::string TimeText;    // departure time, "hh:mm"
    int EllipsoidIndex;      // into the catalogue, 0..24
    geo::AngleFormat Format; // of the result texts
    char DateSeparator = '/';
    char TimeSeparator = ':';
};

// The four result texts of one leg.
struct LegTexts {
    std::string Lat, Lon, Date, Time;
};

// Recomputes the whole voyage: the departure, the ellipsoid copy and the
// results of legs 1..5, in order. Each leg is stored in `plan` and then
// handed to `show` (leg = 1..5).
//
// An error ends the run where it occurs and leaves what was written:
//  - a departure date outside 1600..3999 throws RangeError before anything
//    is stored;
//  - a departure time that is not "hh:mm" throws ConvertError (RangeError
//    for a negative part) after the departure date is stored;
//  - an ellipsoid index outside 0..24 throws RangeError;
//  - a leg that passes a pole throws InvalidOperation at that leg (any
//    other error of a leg ends the run the same way): the legs before it
//    are stored and shown; that leg and the later ones keep the results of
//    the previous run but are marked not Computed, so that nobody shows
//    them as figures.
void SailVoyage(VoyagePlan& plan, const VoyageInputs& in, const std::function<void(int leg, const LegTexts&)>& show);

} // namespace legplot
