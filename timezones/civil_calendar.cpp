#include "timezones/civil_calendar.h"

#include "timezones/time_errors.h"

#include <cmath>

namespace timezones {
namespace {

constexpr int DaysPerWeek = 7;
constexpr std::int64_t DaysPerEra = 146097; // 400 Gregorian years
constexpr std::int64_t EpochShift = 719468; // days from 0000-03-01 to 1970-01-01
constexpr int ThursdayIndex = 4;            // 1970-01-01 was a Thursday

const char* const OutsideYears = "The instant is outside the years 0000 to 9999";

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month)
{
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Lengths[month - 1];
}

bool IsValidDate(CivilDate date)
{
    return date.Year >= -32767 && date.Year <= 32767 && date.Day >= 1 && date.Day <= DaysInMonth(date.Year, date.Month);
}

// Howard Hinnant's days_from_civil: years counted from March, so that the
// leap day ends the year, in eras of 400 years.
std::int64_t DaysFromCivil(CivilDate date)
{
    const std::int64_t y = std::int64_t{date.Year} - (date.Month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;                                                           // 0..399
    const std::int64_t dayOfYear = (153 * (date.Month + (date.Month > 2 ? -3 : 9)) + 2) / 5 + date.Day - 1; // 0..365
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;            // 0..146096
    return era * DaysPerEra + dayOfEra - EpochShift;
}

// Howard Hinnant's civil_from_days, the inverse of the above.
CivilDate CivilFromDays(std::int64_t days)
{
    const std::int64_t z = days + EpochShift;
    const std::int64_t era = FloorDiv(z, DaysPerEra);
    const std::int64_t dayOfEra = z - era * DaysPerEra; // 0..146096
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365; // 0..399
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);            // 0..365
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;                                            // 0..11
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

int WeekdayFromDays(std::int64_t days) { return static_cast<int>(FloorMod(days + ThursdayIndex, DaysPerWeek)); }

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

std::int64_t LocalSecondsOf(const LocalDateTime& local)
{
    return DaysFromCivil(local.Date) * SecondsPerDay + local.SecondOfDay;
}

LocalDateTime LocalDateTimeOf(std::int64_t localSeconds)
{
    return {CivilFromDays(FloorDiv(localSeconds, SecondsPerDay)),
            static_cast<std::int32_t>(FloorMod(localSeconds, SecondsPerDay))};
}

LocalDateTime AtTime(CivilDate date, int hour, int minute, int second)
{
    return {date, hour * SecondsPerHour + minute * SecondsPerMinute + second};
}

void CheckInstant(UtcSeconds t)
{
    if (t < FirstInstant || t > LastInstant) throw TimeError(OutsideYears);
}

UtcSeconds RoundToSecond(double t)
{
    // Checked as a double first: a NaN or a value beyond int64 must never
    // reach the conversion.
    if (!(t >= static_cast<double>(FirstInstant) - 0.5 && t < static_cast<double>(LastInstant) + 0.5))
        throw TimeError(OutsideYears);
    const double whole = std::floor(t);
    // Exact at these magnitudes, so a fraction just below a half stays below.
    const double fraction = t - whole;
    return static_cast<UtcSeconds>(whole) + (fraction >= 0.5 ? 1 : 0);
}

} // namespace timezones
