#include "legplot/core/time_text.h"

#include "geo/errors.h"
#include "legplot/core/calendar.h"
#include "geo/int_text.h"

#include <string_view>

namespace legplot {
namespace {

constexpr int HoursPerDay = 24;
constexpr std::int32_t SecondsPerHour = 3600;
constexpr std::int32_t SecondsPerMinute = 60;
constexpr int LargestTimePart = 255; // the parts are bytes

std::uint16_t PartAt(std::string_view text, std::size_t pos)
{
    const std::string_view part = pos > text.size() ? std::string_view{} : text.substr(pos - 1, 2);
    const int value = geo::StrToInt(part);
    if (value < 0 || value > 0xFFFF)
        throw geo::RangeError();
    return static_cast<std::uint16_t>(value);
}

} // namespace

TimeParts SplitTimeText(const std::string& text)
{
    TimeParts parts;
    parts.Hours = PartAt(text, 1);
    parts.Minutes = PartAt(text, 4);
    if (text.size() >= 8)
        parts.Seconds = PartAt(text, 7);
    return parts;
}

std::int32_t TimeOfDay(const TimeParts& time)
{
    if (time.Hours > LargestTimePart || time.Minutes > LargestTimePart || time.Seconds > LargestTimePart)
        throw geo::RangeError();
    return ((time.Hours % HoursPerDay) * SecondsPerHour + time.Minutes * SecondsPerMinute + time.Seconds) %
           SecondsPerDay;
}

} // namespace legplot
