// The texts of a passage plan as the window, its printed page and the
// command line's plain output show them: 8-bit, as geo::FormatAngle writes
// (degree sign 0xB0); waypoint names as the route holds them (UTF-8).
//
// Courses are true, in the display format's layout of a longitude
// ("215°30'12" in DM.dd); distances in nautical miles of 1852 m to two
// decimals; times on a leg as hh:mm, rounded to the minute; instants in UTC
// as "2027-06-15 23:42Z", rounded to the minute (the command line's JSON
// keeps the second).
#pragma once

#include "geo/angle_text.h"
#include "wayline/core/route_plan.h"

#include <optional>
#include <string>

namespace wayline {

// "rhumb line", "great circle", "parallel".
std::string KindText(LegKind kind);

// "103.27 nm": always two decimals, so that a column lines up.
std::string DistanceText(double nauticalMiles);

// "6.50 kn"; empty for none.
std::string SpeedText(const std::optional<double>& knots);

// "17:13" (hours as many digits as they need, at least two); empty for none.
std::string DurationText(const std::optional<double>& hours);

// "2027-06-15 23:42Z". Throws RouteError for an instant beyond the years
// 1 to 9999.
std::string InstantText(double utcSeconds);

// A position in `format` with its letters: "50°21'55 N 004°08'34 W".
std::string PositionText(geo::AngleFormat format, double lat, double lon);

// One leg as a row of the leg table.
struct LegTexts {
    std::string From, To, Kind;
    // Rhumb lines and parallels: the course; great circles: the initial
    // course, and the final one in FinalCourse. "none" where the ends
    // coincide; a great circle between opposite points adds "(not unique)".
    std::string Course, FinalCourse;
    std::string Distance, Speed, Time;
    std::string Eta;    // the instant, or why there is none ("no speed")
    std::string Vertex; // a great circle's vertex where it lies on the leg; empty otherwise
};
LegTexts TextsOf(const LegPlan& leg, geo::AngleFormat format);

// The totals: distance, time on passage (empty unless every leg has one)
// and arrival (empty without one).
struct TotalTexts {
    std::string Distance, Time, Arrival;
};
TotalTexts TotalsOf(const RoutePlan& plan);

} // namespace wayline
