#include "solara/core/clock_text.h"

#include "geo/int_text.h"
#include "timezones/time_text.h"

#include <cmath>
#include <cstdint>

namespace solara {
namespace {

constexpr int TenthsPerDegree = 600; // tenths of a minute
constexpr double MaxAltitude = 1e6;  // degrees; far beyond any altitude, within an int64 of tenths

} // namespace

bool OffsetChangesIn(const timezones::Zone& zone, const timezones::DayBounds& day)
{
    return day.Length() > 0 && zone.NextOffsetChange(day.Start, day.Length() - 1).has_value();
}

std::string ClockText(double utc, const timezones::Zone& zone, bool withOffset)
{
    const std::string iso = timezones::FormatIso(utc, zone); // YYYY-MM-DDThh:mm:ss+hh:mm
    const std::size_t time = iso.find('T') + 1;
    const std::string clock = iso.substr(time, 8);
    return withOffset ? clock + ' ' + iso.substr(time + 8) : clock;
}

std::string MinuteText(double utc, const timezones::Zone& zone, timezones::CivilDate date)
{
    const timezones::UtcSeconds second = timezones::RoundToSecond(utc);
    const double local = utc + zone.UtcOffsetAt(second);
    const double fromMidnight = local - static_cast<double>(timezones::LocalSecondsOf({date, 0}));
    const double minutes = std::floor(fromMidnight / 60.0 + 0.5);
    if (!(minutes >= 0.0 && minutes <= 24 * 60))
        return "--:--";
    const auto whole = static_cast<std::int64_t>(minutes);
    std::string text;
    geo::AppendZeroPadded(text, whole / 60, 2);
    text += ':';
    geo::AppendZeroPadded(text, whole % 60, 2);
    return text;
}

std::string DateTimeText(double utc, const timezones::Zone& zone)
{
    std::string iso = timezones::FormatIso(utc, zone);
    iso[iso.find('T')] = ' ';
    return iso.substr(0, iso.find(' ') + 9);
}

std::string AltitudeText(double degrees)
{
    if (!(std::fabs(degrees) < MaxAltitude))
        return "--";
    const auto tenths = static_cast<std::int64_t>(std::round(std::fabs(degrees) * TenthsPerDegree));
    std::string text = degrees < 0 && tenths != 0 ? "-" : "";
    text += std::to_string(tenths / TenthsPerDegree);
    text += '\xB0';
    geo::AppendZeroPadded(text, tenths % TenthsPerDegree / 10, 2);
    text += '.';
    text += std::to_string(tenths % 10);
    text += '\'';
    return text;
}

} // namespace solara
