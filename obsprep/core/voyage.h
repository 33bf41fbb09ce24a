// The vessel a round of sights is planned for: its DR position at a time,
// the course and speed it sails on, and the ship's day of a date.
//
// Conventions:
// - The DR sails the rhumb line on WGS 84 as defined, by the dead-reckoning
//   computation (celpos::DeadReckoning, legplot's SailLeg); before the DR's
//   time it is reckoned back along the reciprocal course.
// - The ship's day of a date is that date on the clock of the nautical zone
//   of the DR's longitude (ZD = -round(longitude / 15) hours, UT = ZT +
//   ZD): from 00:00 ZT to the next 00:00 ZT, as UTC instants [Start, End).
//   A ship in 150 W (ZD +10) keeps the 9th of December from 10:00 UT on the
//   9th to 10:00 UT on the 10th.
// - The DR's time is kept on the ship's clock (ZT), as the log keeps it; a
//   time of day typed in UT names the one instant of the ship's day at
//   which the UT clock shows it.
// - Instants are UTC seconds since 1970 (POSIX); UT1 is taken as UTC.
#pragma once

#include "astro/time_scales.h"
#include "timezones/civil_calendar.h"
#include "timezones/zone_day.h"

#include <stdexcept>

namespace obsprep {

// Input the planning refuses; what() is the text the user reads.
class PlanError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The courses and speeds the vessel may sail (those the position fix
// takes: 0 to 359.9 degrees, 0 to 60 knots).
inline constexpr double LargestCourse = 359.9;
inline constexpr double LargestSpeed = 60.0;

// The first and last dates computed: those of the astronomy's years.
inline constexpr timezones::CivilDate FirstDate{astro::FirstSupportedYear, 1, 1};
inline constexpr timezones::CivilDate LastDate{astro::LastSupportedYear, 12, 31};

struct Voyage {
    double DrLatDeg = 0, DrLonDeg = 0; // the DR (degrees, north and east positive)
    double DrUtc = 0;                  // the instant it is for
    double CourseDeg = 0;              // true, 0..359.9
    double SpeedKn = 0;                // 0..60
};

struct Place {
    double LatDeg = 0, LonDeg = 0; // longitude in -180..180
};

// Throws PlanError for a DR off the globe (a latitude beyond 90, a
// longitude that is no finite number), a course outside 0 to 359.9 or a
// speed outside 0 to 60 knots.
void RequireValidVoyage(const Voyage& voyage);

// Where the vessel is at `utc` by dead reckoning. Throws PlanError for a
// run that passes a pole.
Place DrAt(const Voyage& voyage, double utc);

// The ship's day `date` at the DR's longitude. Throws PlanError for a date
// outside 1900-01-01 to 2100-12-31, or a day reaching outside the UTC
// years 1900 to 2100 (the first day east of Greenwich, the last west).
timezones::DayBounds ShipDay(const Voyage& voyage, timezones::CivilDate date);

// The zone description of the ship's day (hours, UT = ZT + ZD).
int ZoneDifference(const Voyage& voyage);

// The instant of the ship's day `day` at which the UT clock shows
// `secondOfDay` (0..86399).
double InstantInDay(const timezones::DayBounds& day, int secondOfDay);

} // namespace obsprep
