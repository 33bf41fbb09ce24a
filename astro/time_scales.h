// Time scales: UTC instants (POSIX seconds) to the Universal Time and the
// Terrestrial Time the astronomy computes in.
//
// Instants are given as UTC seconds since 1970-01-01T00:00:00Z in a double
// (POSIX time: every day has 86400 seconds, a leap second repeats one).
//
// From 1960-01-01 on, TT = UTC + (TAI - UTC) + 32.184 s, with TAI - UTC
// from SOFA's table (eraDat; the drifting offsets of 1960-1971, whole
// seconds since 1972). After the last leap second SOFA knows (37 s since
// 2017-01-01) the offset is held at 37 s, which is right as long as no
// further leap second is announced. UT1 = UTC + DUT1, DUT1 being what the
// caller gives (0 when unknown; |DUT1| < 0.9 s by the definition of UTC,
// so the hour angles are off by at most 0.9 s of time, 0.23', without it).
//
// Before 1960 there was no UTC: the instant is taken as UT (UT1, plus the
// DUT1 given, normally 0) and TT = UT + Delta T from the polynomials of
// Espenak & Meeus (Five Millennium Canon, 2006) for 1900-1961. Their
// authors give Delta T's own uncertainty as under a second in those years,
// and the polynomials follow the observed values to within about a second.
//
// Years 1900 to 2100 are supported. The searches for a day's events look
// beyond the day (up to a lunation back, for the last new moon), so the
// time scales themselves run 35 days past either end; instants beyond
// that are refused.
#pragma once

#include "astro/astro_error.h"

namespace astro {

// The first and the last instants supported: 1900-01-01T00:00:00Z and
// 2101-01-01T00:00:00Z (UTC seconds).
inline constexpr double FirstSupportedUtc = -2208988800.0;
inline constexpr double EndSupportedUtc = 4133980800.0;
// Their years, for the modules' date fields and refusals.
inline constexpr int FirstSupportedYear = 1900;
inline constexpr int LastSupportedYear = 2100;
// How far past those ends the time scales (and the ephemerides) run.
inline constexpr double SupportMarginSeconds = 35 * 86400.0;

// 1960-01-01T00:00:00Z, where UTC begins (UTC seconds).
inline constexpr double UtcOriginUtc = -315619200.0;

// Days of 86400 s from the Unix epoch to J2000.0 (JD 2451545.0).
inline constexpr double UnixEpochToJ2000Days = 10957.5;
inline constexpr double J2000 = 2451545.0; // Julian date of J2000.0
inline constexpr double SecondsPerDay = 86400.0;

// An instant in both time scales the computation needs, each as days
// (of 86400 SI seconds) since J2000.0 in its own scale: UT1 for the
// Earth's rotation, TT for the ephemerides.
struct TimeArgument {
    double Ut1; // days since JD 2451545.0 UT1
    double Tt;  // days since JD 2451545.0 TT
};

// A date outside 1900-2100, a time that is not a number, or a DUT1
// beyond a second. what() is the text the user reads.
class TimeRangeError : public AstroError {
public:
    using AstroError::AstroError;
};

// The time arguments of the UTC instant `utc` (seconds), with UT1 - UTC =
// `dut1` seconds. Throws TimeRangeError for an instant more than
// SupportMarginSeconds outside [FirstSupportedUtc, EndSupportedUtc), NaN,
// or |dut1| > 1 s.
TimeArgument TimeFromUtc(double utc, double dut1 = 0.0);

// TAI - UTC (seconds) at the UTC instant `utc`, which must lie from
// 1960-01-01 to the end of the margin after 2100; SOFA's eraDat, held at
// 37 s after 2017.

// Throws TimeRangeError, saying so, unless [start, end) is an interval of
// supported instants (FirstSupportedUtc <= start < end <= EndSupportedUtc).
void RequireSupportedInterval(double start, double end);

// Throws TimeRangeError unless FirstSupportedUtc <= utc < EndSupportedUtc.
void RequireSupportedInstant(double utc);
double TaiMinusUtc(double utc);

// TT - UT (seconds) by Espenak & Meeus's polynomials at the decimal year
// `year`, for 1899.9 to 1961.0. Their tables evaluate it at mid-month
// (year + (month - 0.5) / 12); here the year runs on continuously (the
// fraction of the year elapsed), so that Delta T has no monthly steps,
// which shifts it by at most 0.07 s.
double DeltaTEspenakMeeus(double year);

} // namespace astro
