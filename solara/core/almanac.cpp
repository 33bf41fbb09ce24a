#include "solara/core/almanac.h"

#include "astro/time_scales.h"
#include "timezones/time_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace solara {
namespace {

// Half a second: events are taken over the day shifted back by it, so that
// the day holds exactly the events whose rounded times fall on it.
constexpr double HalfSecond = 0.5;

void RequireDate(timezones::CivilDate date)
{
    if (!timezones::IsValidDate(date) || date < FirstDate || date > LastDate)
        throw AlmanacError("The date must lie between 1900-01-01 and 2100-12-31");
}

} // namespace

double ParseHeightOfEye(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    const std::string number = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    const bool digitsAndPoint = std::ranges::all_of(number, [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    const bool hasDigit = std::ranges::any_of(number, [](char c) { return c >= '0' && c <= '9'; });
    double value = -1;
    if (digitsAndPoint && hasDigit && std::ranges::count(number, '.') <= 1) {
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (error != std::errc() || end != number.data() + number.size())
            value = -1;
    }
    if (!(value >= 0.0 && value <= MaxHeightOfEye))
        throw AlmanacError("The height of eye must be a number of metres from 0 to 100");
    return value;
}

astro::Observer ObserverAt(double latitude, double longitude, double heightOfEye)
{
    if (!(heightOfEye >= 0.0 && heightOfEye <= MaxHeightOfEye))
        throw AlmanacError("The height of eye must be a number of metres from 0 to 100");
    const astro::Observer observer{latitude, longitude, heightOfEye};
    try {
        astro::RequireValidObserver(observer);
    } catch (const astro::ObserverError& e) {
        throw AlmanacError(e.what());
    }
    return observer;
}

AlmanacDay DayAt(const astro::Observer& observer, const timezones::Zone& zone, timezones::CivilDate date)
{
    RequireDate(date);
    AlmanacDay day{};
    day.Date = date;
    day.Bounds = timezones::DayInZone(zone, date);
    const auto start = static_cast<double>(day.Bounds.Start), end = static_cast<double>(day.Bounds.End);
    if (start < astro::FirstSupportedUtc || end > astro::EndSupportedUtc)
        throw AlmanacError(timezones::FormatDate(date) + " in " + zone.Name() +
                           " reaches outside the years 1900 to 2100 of UTC that the almanac covers");
    day.Noon = static_cast<double>(zone.ToUtc(timezones::AtTime(date, 12, 0, 0), timezones::LocalChoice::Later));
    if (day.Bounds.Length() <= 0)
        throw AlmanacError(timezones::FormatDate(date) + " does not exist in " + zone.Name() +
                           ": its clocks skipped the whole day");
    try {
        day.Events = astro::DayEvents(observer, std::max(start - HalfSecond, astro::FirstSupportedUtc), end - HalfSecond,
                                      day.Noon);
    } catch (const astro::TimeRangeError& e) {
        throw AlmanacError(e.what());
    } catch (const astro::ObserverError& e) {
        throw AlmanacError(e.what());
    }
    return day;
}

std::vector<double> PassageTimes(const std::vector<astro::MeridianPassage>& passages)
{
    std::vector<double> times;
    for (const astro::MeridianPassage& p : passages)
        times.push_back(p.Utc);
    return times;
}

timezones::CivilDate NextDay(timezones::CivilDate date)
{
    return timezones::CivilFromDays(timezones::DaysFromCivil(date) + 1);
}

std::vector<AlmanacDay> DaysFrom(const astro::Observer& observer, const timezones::Zone& zone,
                                 timezones::CivilDate first, int count)
{
    if (count < 1 || count > MaxDays)
        throw AlmanacError("The number of days must lie between 1 and 366");
    RequireDate(first);
    std::vector<AlmanacDay> days;
    timezones::CivilDate date = first;
    for (int i = 0; i < count; ++i, date = NextDay(date)) {
        if (date > LastDate)
            throw AlmanacError("The days must end by 2100-12-31");
        if (i == 0 || timezones::DayInZone(zone, date).Length() > 0) // a day the zone skipped is none
            days.push_back(DayAt(observer, zone, date));
    }
    return days;
}

std::vector<AlmanacDay> MonthOf(const astro::Observer& observer, const timezones::Zone& zone,
                                timezones::CivilDate date)
{
    RequireDate(date);
    std::vector<AlmanacDay> days;
    const int length = timezones::DaysInMonth(date.Year, date.Month);
    for (int d = 1; d <= length; ++d) {
        // The first day of 1900 east of Greenwich and the last of 2100
        // west of it reach beyond the almanac: the month goes without them.
        const timezones::CivilDate day{date.Year, date.Month, d};
        if (timezones::DayInZone(zone, day).Length() <= 0)
            continue; // a day the zone skipped
        try {
            days.push_back(DayAt(observer, zone, day));
        } catch (const AlmanacError&) {
            if (d != 1 && d != length)
                throw;
        }
    }
    return days;
}

} // namespace solara
