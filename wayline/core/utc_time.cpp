#include "wayline/core/utc_time.h"

#include "wayline/core/route.h"

#include <chrono>
#include <cmath>
#include <cstdint>

namespace wayline {
namespace {

constexpr std::int64_t SecondsPerDay = 86400, SecondsPerHour = 3600, SecondsPerMinute = 60;
constexpr std::int64_t MillisecondsPerSecond = 1000;
constexpr int MaxOffsetMinutes = 14 * 60; // XML Schema's widest time-zone offset
constexpr std::size_t MillisecondDigits = 3;

std::string Digits(std::int64_t value, int width)
{
    std::string text = std::to_string(value);
    return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0, '0') + text;
}

// `count` decimal digits at `at`, or -1.
int Number(std::string_view text, std::size_t at, std::size_t count)
{
    if (text.size() < at + count)
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::string UtcText(double seconds, TimeResolution resolution)
{
    const bool milli = resolution == TimeResolution::Milliseconds;
    const double scaled = milli ? std::round(seconds * MillisecondsPerSecond) : std::round(seconds);
    const double limit = milli ? LatestUtc * MillisecondsPerSecond : std::floor(LatestUtc);
    if (!(scaled >= (milli ? EarliestUtc * MillisecondsPerSecond : EarliestUtc) && scaled <= limit))
        throw RouteError("the time " + std::string(std::isfinite(seconds) ? "" : "that is not a number ") +
                         "lies beyond the years 1 to 9999");
    const auto units = static_cast<std::int64_t>(scaled); // in range: checked above
    const std::int64_t perSecond = milli ? MillisecondsPerSecond : 1;
    const std::int64_t whole = units >= 0 ? units / perSecond : -((-units + perSecond - 1) / perSecond);
    const std::int64_t fraction = units - whole * perSecond;
    const std::int64_t days = whole >= 0 ? whole / SecondsPerDay : -((-whole + SecondsPerDay - 1) / SecondsPerDay);
    const std::int64_t ofDay = whole - days * SecondsPerDay;
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days}}};
    std::string text = Digits(static_cast<int>(date.year()), 4) + "-" + Digits(static_cast<unsigned>(date.month()), 2) +
                       "-" + Digits(static_cast<unsigned>(date.day()), 2) + "T" +
                       Digits(ofDay / SecondsPerHour, 2) + ":" + Digits(ofDay / SecondsPerMinute % 60, 2) + ":" +
                       Digits(ofDay % SecondsPerMinute, 2);
    if (fraction != 0)
        text += "." + Digits(fraction, 3);
    return text + "Z";
}

std::optional<double> ReadUtcText(std::string_view text)
{
    // YYYY-MM-DDThh:mm:ss
    const int year = Number(text, 0, 4), month = Number(text, 5, 2), day = Number(text, 8, 2);
    const int hour = Number(text, 11, 2), minute = Number(text, 14, 2), second = Number(text, 17, 2);
    if (year < 1 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0 || text[4] != '-' ||
        text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':' || hour > 23 || minute > 59 ||
        second > 59)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return std::nullopt;
    std::size_t at = 19;
    std::int64_t milliseconds = 0; // of the fraction, rounded at its fourth digit
    if (at < text.size() && text[at] == '.') {
        const std::size_t first = ++at;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            const std::size_t place = at - first;
            if (place < MillisecondDigits)
                milliseconds = milliseconds * 10 + (text[at] - '0');
            else if (place == MillisecondDigits && text[at] >= '5')
                ++milliseconds;
        }
        if (at == first)
            return std::nullopt;
        for (std::size_t place = at - first; place < MillisecondDigits; ++place)
            milliseconds *= 10;
    }
    int offsetMinutes = 0;
    if (at < text.size() && text[at] == 'Z') {
        ++at;
    } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        const int hours = Number(text, at + 1, 2), minutes = Number(text, at + 4, 2);
        if (hours < 0 || minutes < 0 || minutes > 59 || text[at + 3] != ':')
            return std::nullopt;
        offsetMinutes = (text[at] == '-' ? -1 : 1) * (hours * 60 + minutes);
        if (std::abs(offsetMinutes) > MaxOffsetMinutes)
            return std::nullopt;
        at += 6;
    }
    if (at != text.size())
        return std::nullopt;
    const std::int64_t days = std::chrono::sys_days{date}.time_since_epoch().count();
    const std::int64_t local = days * SecondsPerDay + hour * SecondsPerHour + minute * SecondsPerMinute + second;
    // Whole milliseconds over 1000, so that UtcText gives the same text back.
    const std::int64_t utc = (local - offsetMinutes * SecondsPerMinute) * MillisecondsPerSecond + milliseconds;
    return static_cast<double>(utc) / MillisecondsPerSecond;
}

} // namespace wayline
