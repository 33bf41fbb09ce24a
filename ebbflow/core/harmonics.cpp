#include "ebbflow/core/harmonics.h"

#include "ebbflow/core/tide_errors.h"
#include "geo/constants.h"

#include <chrono>
#include <cmath>
#include <string>

namespace ebbflow {
namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr double SecondsPerMinute = 60.0;
constexpr double RadiansPerDegree = geo::Pi / 180.0;

} // namespace

double YearStartUtc(int year, int zoneOffsetMinutes)
{
    const std::chrono::sys_days day{std::chrono::year{year} / std::chrono::January / 1};
    return static_cast<double>(day.time_since_epoch().count()) * SecondsPerDay - zoneOffsetMinutes * SecondsPerMinute;
}

int MeridianYear(const Station& station, double utc)
{
    const double local = utc + station.ZoneOffsetMinutes * SecondsPerMinute;
    // Far outside any year the data can cover; also keeps the cast in range.
    if (!(std::abs(local) < 1e14))
        throw PredictionError("The time is outside the years the tide data cover");
    const std::chrono::sys_days day{std::chrono::days{static_cast<long long>(std::floor(local / SecondsPerDay))}};
    return static_cast<int>(std::chrono::year_month_day(day).year());
}

YearTerms TermsOfYear(const Constituents& constituents, const Station& station, int year)
{
    if (year < constituents.FirstYear || year > constituents.LastYear)
        throw PredictionError("The tide data cover the years " + std::to_string(constituents.FirstYear) + " to " +
                              std::to_string(constituents.LastYear) + "; " + std::to_string(year) + " is not one of them");
    YearTerms terms;
    terms.Year = year;
    terms.StartUtc = YearStartUtc(year, station.ZoneOffsetMinutes);
    terms.EndUtc = YearStartUtc(year + 1, station.ZoneOffsetMinutes);
    for (const Term& term : station.Terms) {
        terms.Amplitude.push_back(constituents.NodeFactorOf(term.Constituent, year) * term.Amplitude);
        terms.Speed.push_back(constituents.Speeds[static_cast<std::size_t>(term.Constituent)] * RadiansPerDegree);
        terms.Phase.push_back((constituents.EquilibriumOf(term.Constituent, year) - term.Epoch) * RadiansPerDegree);
    }
    return terms;
}

HarmonicSum Sum(const YearTerms& terms, double utc)
{
    const double t = (utc - terms.StartUtc) / SecondsPerHour;
    HarmonicSum sum;
    for (std::size_t i = 0; i < terms.Amplitude.size(); ++i) {
        const double angle = terms.Speed[i] * t + terms.Phase[i];
        const double a = terms.Amplitude[i], w = terms.Speed[i];
        const double c = std::cos(angle), s = std::sin(angle);
        sum.Value += a * c;
        sum.Rate -= a * w * s;
        sum.Curvature -= a * w * w * c;
    }
    return sum;
}

} // namespace ebbflow
