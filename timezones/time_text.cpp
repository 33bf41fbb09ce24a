#include "timezones/time_text.h"

#include "geo/int_text.h"
#include "timezones/time_errors.h"
#include "timezones/zone.h"

#include <cmath>
#include <optional>

namespace timezones {
namespace {

constexpr double MaxDurationSeconds = 1e12;
constexpr std::size_t DateLength = 10; // YYYY-MM-DD
constexpr std::size_t MaxDecimals = 9;
constexpr int LastYear = 9999;

const char* const MonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits text[at .. at+count) as a number, or -1 where one is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t count)
{
    if (at + count > text.size()) return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i])) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The date at the start of `text`; `whole` is the text named in refusals.
CivilDate DateAt(std::string_view text, std::string_view whole, const char* shape)
{
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    if (text.size() < DateLength || year < 0 || month < 0 || day < 0 || text[4] != '-' || text[7] != '-')
        throw TimeError(Quoted(whole) + " is not " + shape);
    const std::string prefix = Quoted(whole) + " is not a date: ";
    if (month < 1 || month > 12) throw TimeError(prefix + "there is no month " + std::string(text.substr(5, 2)));
    if (day < 1 || day > DaysInMonth(year, month))
        throw TimeError(prefix + MonthNames[month - 1] + " " + std::string(text.substr(0, 4)) + " has " +
                        std::to_string(DaysInMonth(year, month)) + " days");
    return {year, month, day};
}

struct DateTimeParts {
    LocalDateTime Local;
    double Fraction = 0;
    std::optional<std::int32_t> UtcOffset; // seconds east; Z is 0
};

DateTimeParts ReadDateTime(std::string_view text, const char* shape)
{
    const auto fail = [&](const std::string& what) { throw TimeError(Quoted(text) + " is not " + what); };
    DateTimeParts parts;
    const CivilDate date = DateAt(text, text, shape);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2);
    if (text.size() < 16 || text[10] != 'T' || hour < 0 || text[13] != ':' || minute < 0) fail(shape);
    std::size_t at = 16;
    int second = 0;
    if (at < text.size() && text[at] == ':') {
        second = Digits(text, at + 1, 2);
        if (second < 0) fail(shape);
        at += 3;
        if (at < text.size() && text[at] == '.') {
            std::size_t end = at + 1;
            std::int64_t decimals = 0, scale = 1;
            while (end < text.size() && IsDigit(text[end]) && end - at <= MaxDecimals) {
                decimals = decimals * 10 + (text[end++] - '0');
                scale *= 10;
            }
            if (end == at + 1) fail(shape);
            if (end < text.size() && IsDigit(text[end])) fail("an instant: a second has at most nine decimals here");
            parts.Fraction = static_cast<double>(decimals) / static_cast<double>(scale);
            at = end;
        }
    }
    if (hour > 23) fail("a time: the hour must be 00 to 23");
    if (minute > 59) fail("a time: the minutes must be 00 to 59");
    if (second > 59) fail("a time: the seconds must be 00 to 59 (civil time counts no leap second)");
    parts.Local = AtTime(date, hour, minute, second);

    if (at == text.size()) return parts;
    if (text[at] == 'Z' && at + 1 == text.size()) {
        parts.UtcOffset = 0;
        return parts;
    }
    const int offsetHours = Digits(text, at + 1, 2), offsetMinutes = Digits(text, at + 4, 2);
    if ((text[at] != '+' && text[at] != '-') || offsetHours < 0 || text.size() != at + 6 || text[at + 3] != ':' ||
        offsetMinutes < 0)
        fail(shape);
    if (offsetHours > 23) fail("an instant: the offset's hours must be 00 to 23");
    if (offsetMinutes > 59) fail("an instant: the offset's minutes must be 00 to 59");
    const std::int32_t offset = offsetHours * SecondsPerHour + offsetMinutes * SecondsPerMinute;
    parts.UtcOffset = text[at] == '-' ? -offset : offset;
    return parts;
}

void AppendClock(std::string& text, std::int32_t seconds, bool withSeconds)
{
    geo::AppendZeroPadded(text, seconds / SecondsPerHour, 2);
    text += ':';
    geo::AppendZeroPadded(text, seconds % SecondsPerHour / SecondsPerMinute, 2);
    if (withSeconds) {
        text += ':';
        geo::AppendZeroPadded(text, seconds % SecondsPerMinute, 2);
    }
}

LocalDateTime CheckedLocal(std::int64_t localSeconds)
{
    const LocalDateTime local = LocalDateTimeOf(localSeconds);
    if (local.Date.Year < 0 || local.Date.Year > LastYear)
        throw TimeError("The instant is outside the years 0000 to 9999");
    return local;
}

} // namespace

std::string FormatUtcOffset(std::int32_t utcOffsetSeconds)
{
    std::string text(1, utcOffsetSeconds < 0 ? '-' : '+');
    const std::int32_t magnitude = utcOffsetSeconds < 0 ? -utcOffsetSeconds : utcOffsetSeconds;
    AppendClock(text, magnitude, magnitude % SecondsPerMinute != 0);
    return text;
}

std::string FormatTimeOfDay(std::int32_t secondOfDay)
{
    std::string text;
    AppendClock(text, secondOfDay, true);
    return text;
}

std::string FormatDate(CivilDate date)
{
    std::string text;
    geo::AppendZeroPadded(text, date.Year, 4);
    text += '-';
    geo::AppendZeroPadded(text, date.Month, 2);
    text += '-';
    geo::AppendZeroPadded(text, date.Day, 2);
    return text;
}

std::string FormatLocalDateTime(const LocalDateTime& local)
{
    return FormatDate(local.Date) + 'T' + FormatTimeOfDay(local.SecondOfDay);
}

std::string FormatIso(double utc, const Zone& zone)
{
    const UtcSeconds t = RoundToSecond(utc);
    const std::int32_t offset = zone.UtcOffsetAt(t);
    return FormatLocalDateTime(CheckedLocal(t + offset)) + FormatUtcOffset(offset);
}

std::string FormatIsoUtc(double utc) { return FormatLocalDateTime(LocalDateTimeOf(RoundToSecond(utc))) + 'Z'; }

std::string FormatDuration(double seconds)
{
    if (!(std::fabs(seconds) <= MaxDurationSeconds))
        throw TimeError("The duration is not a number of seconds up to 10^12");
    const auto whole = static_cast<std::int64_t>(std::round(std::fabs(seconds)));
    std::string text = seconds < 0 && whole != 0 ? "-" : "";
    geo::AppendZeroPadded(text, whole / SecondsPerHour, 2);
    text += ':';
    geo::AppendZeroPadded(text, whole % SecondsPerHour / SecondsPerMinute, 2);
    text += ':';
    geo::AppendZeroPadded(text, whole % SecondsPerMinute, 2);
    return text;
}

CivilDate ParseDate(std::string_view text)
{
    const CivilDate date = DateAt(text, text, "a date: write it as YYYY-MM-DD");
    if (text.size() != DateLength) throw TimeError(Quoted(text) + " is not a date: write it as YYYY-MM-DD");
    return date;
}

LocalDateTime ParseLocalDateTime(std::string_view text)
{
    const DateTimeParts parts = ReadDateTime(text, "a date and time: write it as YYYY-MM-DDThh:mm[:ss]");
    if (parts.UtcOffset || text.find('.') != std::string_view::npos)
        throw TimeError(Quoted(text) +
                        " is not a local time: give it without decimals or zone, as YYYY-MM-DDThh:mm[:ss]");
    return parts.Local;
}

double ParseInstant(std::string_view text)
{
    const DateTimeParts parts =
        ReadDateTime(text, "an instant: write it as YYYY-MM-DDThh:mm[:ss[.fff]] and Z or an offset such as +01:00");
    if (!parts.UtcOffset)
        throw TimeError(Quoted(text) + " does not say its zone: end it with Z for UTC or an offset such as +01:00");
    const UtcSeconds t = LocalSecondsOf(parts.Local) - *parts.UtcOffset;
    CheckInstant(t);
    return static_cast<double>(t) + parts.Fraction;
}

} // namespace timezones
