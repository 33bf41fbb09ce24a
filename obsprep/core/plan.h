// A round of sights planned: the ship's day's twilights and meridian
// passage, the bodies between 15 and 75 degrees at the chosen time, and the
// stars proposed for the fix. What the window shows, the page prints and
// the command line writes.
//
// The list is for the instant asked, or by default for the middle of the
// morning's or the evening's nautical twilight (twilights.h), from the DR
// run on to that instant (voyage.h); Hc and Zn as sky_list.h computes them,
// the set as star_set.h chooses it.
#pragma once

#include "obsprep/core/sky_list.h"
#include "obsprep/core/star_set.h"
#include "obsprep/core/twilights.h"
#include "obsprep/core/voyage.h"

#include <optional>
#include <vector>

namespace obsprep {

// The farthest the list's instant may lie from the DR's: two days.
inline constexpr double LongestRunSeconds = 48 * 3600.0;

struct PlanRequest {
    double DrLatDeg = 0, DrLonDeg = 0;
    int DrSecondOfDay = 0; // the DR's time on the ship's clock (ZT), 0..86399: 0 is the ship's day's start
    double CourseDeg = 0, SpeedKn = 0;
    timezones::CivilDate Date{2026, 1, 1}; // the ship's date
    Twilight When = Twilight::Evening;
    // The list's instant: Utc where given, else the UT time of day
    // SecondOfDay within the ship's day, else the middle of nautical twilight.
    std::optional<double> Utc;
    std::optional<int> SecondOfDay;
    Order ListOrder = Order::Brightness;
    int SetSize = SmallSet;
};

struct Plan {
    PlanRequest Asked;
    Voyage Dr;                // with the DR's instant
    timezones::DayBounds Day; // the ship's day
    int ZoneDifference = 0;   // of the ship's day (UT = ZT + ZD)
    TwilightTimes Times;
    std::optional<double> Utc;     // the list's instant; none where twilight gave none and none was asked
    bool AtTwilight = false;       // Utc is the middle of nautical twilight
    std::optional<Place> DrThen;   // the DR at Utc
    std::vector<SkyBody> Bodies;   // in the order asked
    std::vector<SkyBody> Proposed; // by azimuth; empty when too few stars are up
};

// Throws PlanError for what cannot be planned: a DR off the globe, a
// course, speed, set size, date or time out of range, a list's instant more
// than two days from the DR's, a run across a pole.
Plan MakePlan(const PlanRequest& request);

// The plan in another order: the list rearranged, nothing recomputed.
Plan Reordered(Plan plan, Order order);

} // namespace obsprep
