#include "wayline/core/plan_texts.h"

#include "geo/position_text.h"
#include "wayline/core/utc_time.h"

#include <cmath>

namespace wayline {
namespace {

constexpr double MinutesPerHour = 60, SecondsPerMinute = 60;
constexpr std::size_t MinuteOfIso = 16; // "YYYY-MM-DDThh:mm" of UtcText

std::string TwoDigits(long long value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string KindText(LegKind kind)
{
    switch (kind) {
    case LegKind::GreatCircle:
        return "great circle";
    case LegKind::Parallel:
        return "parallel";
    case LegKind::Rhumb:
        break;
    }
    return "rhumb line";
}

std::string DistanceText(double nauticalMiles)
{
    return geo::DecimalText(nauticalMiles, 2) + " nm";
}

std::string SpeedText(const std::optional<double>& knots)
{
    return knots ? geo::DecimalText(*knots, 2) + " kn" : "";
}

std::string DurationText(const std::optional<double>& hours)
{
    // A duration of a billion hours is no passage; its text would still be
    // one, but the cast below must stay in range.
    constexpr double LongestHours = 1e9;
    if (!hours || !(std::fabs(*hours) <= LongestHours))
        return "";
    const auto minutes = static_cast<long long>(std::round(std::fabs(*hours) * MinutesPerHour));
    const long long h = minutes / 60, m = minutes % 60;
    return (*hours < 0 && minutes != 0 ? "-" : "") + TwoDigits(h) + ":" + TwoDigits(m);
}

std::string InstantText(double utcSeconds)
{
    const double minute = std::round(utcSeconds / SecondsPerMinute) * SecondsPerMinute;
    std::string text = UtcText(minute).substr(0, MinuteOfIso) + "Z";
    text[10] = ' ';
    return text;
}

std::string PositionText(geo::AngleFormat format, double lat, double lon)
{
    return geo::FormatAngle(format, false, lat) + " " + geo::FormatAngle(format, true, lon);
}

LegTexts TextsOf(const LegPlan& leg, geo::AngleFormat format)
{
    const LegSolution& s = leg.Solution;
    LegTexts t;
    t.From = leg.From;
    t.To = leg.To;
    t.Kind = KindText(s.Kind);
    const auto course = [&](const std::optional<double>& c) {
        return c ? geo::CourseText(format, *c) + (s.NotUnique ? " (not unique)" : "") : "none";
    };
    if (s.Kind == LegKind::GreatCircle) {
        t.Course = course(s.InitialCourse);
        t.FinalCourse = course(s.FinalCourse);
    } else {
        t.Course = course(s.Course);
    }
    t.Distance = DistanceText(leg.NauticalMiles);
    t.Speed = SpeedText(leg.Speed);
    t.Time = DurationText(leg.Hours);
    t.Eta = leg.Eta ? InstantText(*leg.Eta) : leg.NoEta;
    if (s.Vertex && s.Vertex->OnLeg && !s.SamePoint)
        t.Vertex = PositionText(format, s.Vertex->Lat, s.Vertex->Lon);
    return t;
}

TotalTexts TotalsOf(const RoutePlan& plan)
{
    return {DistanceText(plan.TotalNauticalMiles), DurationText(plan.TotalHours),
            plan.Arrival ? InstantText(*plan.Arrival) : ""};
}

} // namespace wayline
