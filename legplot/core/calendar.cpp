#include "legplot/core/calendar.h"

#include "geo/errors.h"
#include "geo/int_text.h"

#include <chrono>
#include <limits>

namespace legplot {
namespace {

using namespace std::chrono;

constexpr int FirstYear = 1600;
constexpr int LastYear = 3999;
constexpr sys_days DayZero = year{FirstYear} / January / 1;

} // namespace

DayNumber DayNumberOf(int y, int m, int d)
{
    // Check the parts before building the chrono types: month and day keep
    // only eight bits, so 257 would pass as January.
    if (y < FirstYear || y > LastYear || m < 1 || m > 12 || d < 1 || d > 31)
        return NoDate;
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!date.ok())
        return NoDate;
    return static_cast<DayNumber>((sys_days{date} - DayZero).count());
}

std::string DateText(DayNumber dayNumber, char separator)
{
    if (dayNumber == NoDate)
        return std::string("  ") + separator + "  " + separator + "    ";
    const year_month_day date{DayZero + days{dayNumber}};
    const int y = static_cast<int>(date.year());
    std::string text;
    text.reserve(12);
    geo::AppendZeroPadded(text, static_cast<unsigned>(date.day()), 2);
    text += separator;
    geo::AppendZeroPadded(text, static_cast<unsigned>(date.month()), 2);
    text += separator;
    geo::AppendZeroPadded(text, y, 4);
    return text;
}

std::string TimeText(std::int32_t secondsOfDay, char separator)
{
    std::int32_t s = secondsOfDay % SecondsPerDay;
    if (s < 0)
        s += SecondsPerDay;
    std::string text;
    geo::AppendZeroPadded(text, s / 3600, 2);
    text += separator;
    geo::AppendZeroPadded(text, s % 3600 / 60, 2);
    return text;
}

ClockStamp AddSeconds(ClockStamp stamp, std::int64_t seconds)
{
    // Far beyond any 32-bit day, and far from overflowing the sum below.
    constexpr std::int64_t Limit = std::int64_t{1} << 50;
    if (seconds > Limit || seconds < -Limit)
        throw geo::RangeError();
    const std::int64_t total = std::int64_t{stamp.Seconds} + seconds;
    std::int64_t carried = total / SecondsPerDay;
    std::int64_t rest = total % SecondsPerDay;
    if (rest < 0) {
        rest += SecondsPerDay;
        --carried;
    }
    const std::int64_t day = std::int64_t{stamp.Day} + carried;
    if (day < std::numeric_limits<DayNumber>::min() || day > std::numeric_limits<DayNumber>::max())
        throw geo::RangeError();
    return {static_cast<DayNumber>(day), static_cast<std::int32_t>(rest)};
}

} // namespace legplot
