#include "astro/daily_page.h"

#include "astro/almanac_entry.h"
#include "astro/astro_error.h"
#include "astro/star_catalogue.h"
#include "astro/time_scales.h"

#include "geo/constants.h"

#include <erfa.h>

#include <cmath>
#include <cstdio>

namespace astro {
namespace {

constexpr int HoursPerDay = 24;
constexpr double SecondsPerHour = 3600.0;
constexpr int NoonHour = 12;
constexpr double TenthsPerDegree = 600.0;
constexpr double AdoptedRate = 15.0;               // degrees an hour: the Sun and the planets
constexpr double MoonAdoptedRate = 14.0 + 19.0 / 60.0; // 14°19.0'
constexpr const char* Degree = "\u00B0";
constexpr const char* Prime = "\u2032";

// Degrees and tenths of a minute of a size (degrees, >= 0), rounded once.
std::string DegreesMinutes(double size)
{
    const double tenths = std::round(size * TenthsPerDegree); // under 216000 for an angle below 360
    const long long whole = static_cast<long long>(tenths);
    char text[48];
    std::snprintf(text, sizeof text, "%lld%s%02lld.%lld%s", whole / 600, Degree, whole % 600 / 10, whole % 10, Prime);
    return text;
}

double Arcmin(double degrees)
{
    return degrees * geo::MinutesPerDegree;
}

double RateOf(BodyKind kind)
{
    return kind == BodyKind::Moon ? MoonAdoptedRate : AdoptedRate;
}

// v over one hour (minutes of arc): the GHA's change less the rate.
double V(double from, double to, double hours, BodyKind kind)
{
    return Arcmin(std::remainder(to - from - RateOf(kind) * hours, 360.0)) / hours;
}

std::string SizeText(double arcmin)
{
    return MinutesText(std::fabs(arcmin));
}

PageColumn ColumnOf(const std::string& body, double midnight, double dut1)
{
    std::vector<AlmanacEntry> samples;
    for (int hour = 0; hour <= HoursPerDay; ++hour)
        samples.push_back(AlmanacEntryAt(body, TimeFromUtc(midnight + hour * SecondsPerHour, dut1)));
    const AlmanacEntry& noon = samples[NoonHour];
    PageColumn column{body, noon.Kind, {}, {}, {}, noon.SdArcmin, noon.HpArcmin, {}, {}};
    const bool aries = noon.Kind == BodyKind::Aries;
    for (int hour = 0; hour < HoursPerDay; ++hour) {
        const AlmanacEntry& now = samples[hour];
        const AlmanacEntry& next = samples[hour + 1];
        PageHour row{hour, now.GhaDeg, now.DecDeg, {}, {}, {}, AngleText(now.GhaDeg), {}, {}, {}, {}};
        if (!aries) {
            row.VArcmin = V(now.GhaDeg, next.GhaDeg, 1.0, now.Kind);
            row.DArcmin = Arcmin(*next.DecDeg - *now.DecDeg);
            row.DecText = DeclinationText(*now.DecDeg);
            row.VText = MinutesText(*row.VArcmin);
            row.DText = SizeText(*row.DArcmin);
        }
        if (now.Kind == BodyKind::Moon) {
            row.HpArcmin = now.HpArcmin;
            row.HpText = MinutesText(*now.HpArcmin);
        }
        column.Hours.push_back(row);
    }
    if (aries)
        return column;
    const AlmanacEntry& first = samples.front();
    const AlmanacEntry& last = samples.back();
    const double meanD = Arcmin(*last.DecDeg - *first.DecDeg) / HoursPerDay;
    // The GHA turns about 360 degrees a day: the mean v from the hourly ones.
    double sumV = 0;
    for (const PageHour& row : column.Hours)
        sumV += *row.VArcmin;
    const double meanV = sumV / HoursPerDay;
    column.MeanDArcmin = meanD;
    switch (noon.Kind) {
    case BodyKind::Sun:
        column.FootText = "SD " + MinutesText(*noon.SdArcmin) + "  d " + SizeText(meanD);
        break;
    case BodyKind::Moon:
        column.MeanVArcmin = meanV;
        column.FootText = "SD " + MinutesText(*noon.SdArcmin);
        break;
    default:
        column.MeanVArcmin = meanV;
        column.Magnitude = noon.Magnitude;
        char magnitude[16];
        std::snprintf(magnitude, sizeof magnitude, "%.1f", *noon.Magnitude);
        column.FootText = "v " + MinutesText(meanV) + "  d " + SizeText(meanD) + "  Mag " + magnitude;
        break;
    }
    return column;
}

} // namespace

std::string AngleText(double degrees)
{
    if (!std::isfinite(degrees))
        return "--";
    const double reduced = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0);
    const std::string text = DegreesMinutes(reduced);
    return text.rfind("360", 0) == 0 ? DegreesMinutes(0.0) : text;
}

std::string DeclinationText(double degrees)
{
    if (!(std::fabs(degrees) <= 90.0))
        return "--";
    const std::string size = DegreesMinutes(std::fabs(degrees));
    if (size == DegreesMinutes(0.0))
        return size;
    return (degrees > 0 ? "N " : "S ") + size;
}

std::string MinutesText(double arcmin)
{
    if (!(std::fabs(arcmin) < 1e6))
        return "--";
    char text[32];
    const double tenths = std::round(arcmin * 10.0);
    std::snprintf(text, sizeof text, "%.1f%s", tenths == 0 ? 0.0 : tenths / 10.0, Prime);
    return text;
}

DailyPage DailyPageFor(int year, int month, int day, double dut1)
{
    double jd0 = 0, jd1 = 0;
    if (eraCal2jd(year, month, day, &jd0, &jd1) != 0) {
        char date[48];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d is not a date", year, month, day);
        throw AstroError(date);
    }
    const double midnight = ((jd0 - J2000) + jd1 + UnixEpochToJ2000Days) * SecondsPerDay;
    RequireSupportedInstant(midnight);
    TimeFromUtc(midnight, dut1); // refuses a DUT1 beyond a second before any work

    DailyPage page{year, month, day, {}, {}};
    const std::vector<std::string> bodies = AlmanacBodies();
    for (std::size_t i = 0; i < 7; ++i)
        page.Columns.push_back(ColumnOf(bodies[i], midnight, dut1));
    const TimeArgument noon = TimeFromUtc(midnight + NoonHour * SecondsPerHour, dut1);
    for (const CatalogueStar& star : NavigationalStars()) {
        const AlmanacEntry entry = AlmanacEntryAt(star.Name, noon);
        page.Stars.push_back({star.Name, *entry.ShaDeg, *entry.DecDeg, star.Magnitude, AngleText(*entry.ShaDeg),
                              DeclinationText(*entry.DecDeg)});
    }
    return page;
}

} // namespace astro
