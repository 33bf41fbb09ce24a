#include "astro/time_scales.h"

#include <erfa.h>

#include <cmath>

namespace astro {
namespace {

constexpr double UnixEpochJd = 2440587.5;
constexpr double TtMinusTai = 32.184; // seconds, by definition
constexpr double MaxDut1 = 1.0;       // seconds; UTC keeps |UT1 - UTC| < 0.9 s

// The decimal year of a UTC (or UT) instant: the year plus the fraction
// of it elapsed.
double DecimalYear(double utc)
{
    int year = 0, month = 0, day = 0;
    double fraction = 0;
    eraJd2cal(UnixEpochJd, utc / SecondsPerDay, &year, &month, &day, &fraction);
    double startJd1 = 0, startJd2 = 0, endJd1 = 0, endJd2 = 0;
    eraCal2jd(year, 1, 1, &startJd1, &startJd2);
    eraCal2jd(year + 1, 1, 1, &endJd1, &endJd2);
    const double days = (startJd1 - UnixEpochJd) + startJd2;
    const double elapsed = utc / SecondsPerDay - days;
    return year + elapsed / ((endJd1 + endJd2) - (startJd1 + startJd2));
}

const char* const OutsideYears = "Dates before 1900 or after 2100 are not supported";

// 1972-01-01T00:00:00Z: from here on TAI - UTC changes only between days.
constexpr double WholeSecondsUtc = 63072000.0;

// TAI - UTC for the TT of an instant: from 1972 on the day's offset is kept
// (the searches ask for thousands of instants in a few days, and SOFA's
// calendar and table look-up would be a tenth of their time).
double TaiMinusUtcForTt(double utc)
{
    if (utc < WholeSecondsUtc)
        return TaiMinusUtc(utc);
    thread_local double keptDay = -1, offset = 0; // no day before 1972 is kept
    const double day = std::floor(utc / SecondsPerDay);
    if (day != keptDay) {
        offset = TaiMinusUtc(utc);
        keptDay = day;
    }
    return offset;
}

} // namespace

void RequireSupportedInterval(double start, double end)
{
    if (!(start >= FirstSupportedUtc && end <= EndSupportedUtc))
        throw TimeRangeError(OutsideYears);
    if (!(start < end))
        throw TimeRangeError("The interval must end after it starts");
}

void RequireSupportedInstant(double utc)
{
    if (!(utc >= FirstSupportedUtc && utc < EndSupportedUtc))
        throw TimeRangeError(OutsideYears);
}

double TaiMinusUtc(double utc)
{
    int year = 0, month = 0, day = 0;
    double fraction = 0;
    if (!(utc >= UtcOriginUtc && utc < EndSupportedUtc + SupportMarginSeconds)
        || eraJd2cal(UnixEpochJd, utc / SecondsPerDay, &year, &month, &day, &fraction) != 0)
        throw TimeRangeError("UTC is defined from 1960 to 2100 here");
    double offset = 0;
    // Status 1 is a year after SOFA's table: the last offset (37 s) holds.
    if (eraDat(year, month, day, fraction, &offset) < 0)
        throw TimeRangeError("UTC is defined from 1960 to 2100 here");
    return offset;
}

double DeltaTEspenakMeeus(double year)
{
    if (year < 1920.0) {
        const double t = year - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (year < 1941.0) {
        const double t = year - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    const double t = year - 1950.0;
    return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
}

TimeArgument TimeFromUtc(double utc, double dut1)
{
    if (!(utc >= FirstSupportedUtc - SupportMarginSeconds && utc < EndSupportedUtc + SupportMarginSeconds))
        throw TimeRangeError(OutsideYears);
    if (!(std::fabs(dut1) <= MaxDut1))
        throw TimeRangeError("DUT1 must lie between -1 and +1 seconds");
    const double days = utc / SecondsPerDay - UnixEpochToJ2000Days;
    const double ut1 = days + dut1 / SecondsPerDay;
    if (utc < UtcOriginUtc)
        return {ut1, ut1 + DeltaTEspenakMeeus(DecimalYear(utc)) / SecondsPerDay};
    return {ut1, days + (TaiMinusUtcForTt(utc) + TtMinusTai) / SecondsPerDay};
}

} // namespace astro
