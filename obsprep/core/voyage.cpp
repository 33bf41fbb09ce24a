#include "obsprep/core/voyage.h"

#include "astro/time_scales.h"
#include "celpos/core/fix.h"
#include "geo/position_text.h"
#include "timezones/time_text.h"
#include "timezones/zone.h"

#include <cmath>

namespace obsprep {
namespace {

constexpr double QuarterTurn = 90.0, Turn = 360.0;

} // namespace

void RequireValidVoyage(const Voyage& voyage)
{
    if (!(std::fabs(voyage.DrLatDeg) <= QuarterTurn && std::isfinite(voyage.DrLonDeg)))
        throw PlanError("The DR position is off the globe");
    if (!(voyage.CourseDeg >= 0 && voyage.CourseDeg <= LargestCourse))
        throw PlanError("The course must lie between 0 and 359.9\xB0, not " + geo::DecimalText(voyage.CourseDeg) +
                        "\xB0");
    if (!(voyage.SpeedKn >= 0 && voyage.SpeedKn <= LargestSpeed))
        throw PlanError("The speed must lie between 0 and 60 knots, not " + geo::DecimalText(voyage.SpeedKn) + " kn");
    if (!std::isfinite(voyage.DrUtc)) throw PlanError("The DR's time is not a number");
}

Place DrAt(const Voyage& voyage, double utc)
{
    RequireValidVoyage(voyage);
    // The position fix reckons from the time of its first sight: the DR's
    // own time stands in for it.
    celpos::SightRound round;
    round.DrLatDeg = voyage.DrLatDeg;
    round.DrLonDeg = voyage.DrLonDeg;
    round.Between = {voyage.CourseDeg, voyage.SpeedKn};
    round.Sights = {celpos::Sight{"Sun", celpos::Limb::Lower, voyage.DrUtc, 0, std::nullopt, false}};
    try {
        const celpos::Place p = celpos::DeadReckoning(round, utc);
        return {p.LatDeg, std::remainder(p.LonDeg, Turn) + 0.0};
    } catch (const celpos::SightError&) {
        throw PlanError("The DR's run to " + timezones::FormatIsoUtc(utc) + " passes a pole");
    }
}

int ZoneDifference(const Voyage& voyage) { return timezones::NauticalZoneDifference(voyage.DrLonDeg); }

timezones::DayBounds ShipDay(const Voyage& voyage, timezones::CivilDate date)
{
    if (!timezones::IsValidDate(date) || date < FirstDate || date > LastDate)
        throw PlanError("The date must lie between 1900-01-01 and 2100-12-31");
    RequireValidVoyage(voyage);
    const timezones::Zone zone = timezones::Zone::Nautical(voyage.DrLonDeg);
    const timezones::DayBounds day = timezones::DayInZone(zone, date);
    if (static_cast<double>(day.Start) < astro::FirstSupportedUtc ||
        static_cast<double>(day.End) > astro::EndSupportedUtc)
        throw PlanError(timezones::FormatDate(date) + " in " + zone.Name() +
                        " reaches outside the years 1900 to 2100 of UTC that the almanac covers");
    return day;
}

double InstantInDay(const timezones::DayBounds& day, int secondOfDay)
{
    const std::int64_t startOfDay = timezones::FloorMod(day.Start, timezones::SecondsPerDay);
    return static_cast<double>(day.Start + timezones::FloorMod(secondOfDay - startOfDay, timezones::SecondsPerDay));
}

} // namespace obsprep
