#include "ebbflow/tables/tide_days.h"

#include "timezones/zone_day.h"

namespace ebbflow {

using timezones::CivilDate;

timezones::Zone StationZone(const Station& station, const std::string& directory)
{
    if (station.Zone.empty())
        return timezones::Zone::Utc();
    return timezones::LoadZone(station.Zone, directory);
}

DaySpan SpanOf(SpanKind kind, CivilDate day)
{
    constexpr int DaysPerWeek = 7;
    switch (kind) {
    case SpanKind::Week:
        return {day, DaysPerWeek};
    case SpanKind::Month:
        return {CivilDate{day.Year, day.Month, 1}, timezones::DaysInMonth(day.Year, day.Month)};
    default:
        return {day, 1};
    }
}

CivilDate AddDays(CivilDate date, int days)
{
    return timezones::CivilFromDays(timezones::DaysFromCivil(date) + days);
}

CivilDate DateIn(const timezones::Zone& zone, double utc)
{
    return zone.LocalTimeOf(timezones::RoundToSecond(utc)).Date;
}

UtcSpan UtcSpanOf(const timezones::Zone& zone, CivilDate first, int days)
{
    return {static_cast<double>(timezones::DayStart(zone, first)),
            static_cast<double>(timezones::DayStart(zone, AddDays(first, days)))};
}

std::vector<DayEvents> EventsByDay(const std::vector<TideEvent>& events, const timezones::Zone& zone, CivilDate first,
                                   int days)
{
    std::vector<DayEvents> byDay;
    auto next = events.begin();
    for (int d = 0; d < days; ++d) {
        const CivilDate date = AddDays(first, d);
        const double end = static_cast<double>(timezones::DayStart(zone, AddDays(date, 1)));
        DayEvents day{date, {}};
        for (; next != events.end() && next->Time < end; ++next)
            day.Events.push_back(*next);
        byDay.push_back(std::move(day));
    }
    return byDay;
}

} // namespace ebbflow
