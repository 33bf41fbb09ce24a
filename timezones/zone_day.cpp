#include "timezones/zone_day.h"

namespace timezones {

UtcSeconds DayStart(const Zone& zone, CivilDate date)
{
    const LocalTimeMapping midnight = zone.Map({date, 0});
    return midnight.Kind == LocalTimeKind::Gap ? midnight.Transition : midnight.Earlier;
}

DayBounds DayInZone(const Zone& zone, CivilDate date)
{
    const UtcSeconds start = DayStart(zone, date);
    return {start, DayStart(zone, CivilFromDays(DaysFromCivil(date) + 1))};
}

} // namespace timezones
