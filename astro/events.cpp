#include "astro/events.h"

#include "astro/horizon.h"
#include "astro/time_scales.h"

#include <cmath>

namespace astro {
namespace {

constexpr double SecondsPerHour = 3600.0;
constexpr double SearchMargin = 15 * SecondsPerHour; // beyond the half day between passages
constexpr double PassageBracket = 120.0;             // seconds, around a corrected prediction
constexpr double PassageTolerance = 0.05;            // seconds
constexpr double ExtremeStep = 1200.0;               // seconds between the parabola's points
constexpr int ExtremeRefinements = 4;
constexpr double CrossingTolerance = 0.05;           // seconds

// The mean rates of the local hour angle (degrees a second): the Sun's
// and the Moon's; only for predicting where to look.
double HourAngleRate(Body body)
{
    return (body == Body::Sun ? 15.0 : 14.5) / SecondsPerHour;
}

TopocentricPlace PlaceAt(Body body, const Site& site, double utc, double dut1)
{
    return site.PlaceOf(body, TimeFromUtc(utc, dut1));
}

Site::Altitude AltitudeFrom(Body body, const Site& site, double utc, double dut1)
{
    return site.AltitudeOf(body, TimeFromUtc(utc, dut1));
}

// The meridian passage near `predicted`, where the hour angle reaches
// `target` (0 or 180 degrees).
double PassageNear(Body body, const Site& site, double predicted, double target, double dut1)
{
    const double rate = HourAngleRate(body);
    const auto offset = [&](double utc) {
        return std::remainder(PlaceAt(body, site, utc, dut1).HourAngle - target, 360.0);
    };
    // A Newton step on the mean rate takes the prediction to within about
    // a minute; the bracket then widens until it holds the root (the hour
    // angle advances 14 to 15 degrees an hour, always).
    const double corrected = predicted - offset(predicted) / rate;
    for (double width = PassageBracket;; width *= 2) {
        const double a = corrected - width, b = corrected + width;
        const double fa = offset(a), fb = offset(b);
        if ((fa <= 0 && fb >= 0) || width > 4 * SecondsPerHour)
            return FindRoot(offset, a, b, fa, fb, PassageTolerance);
    }
}

// The altitude's extreme near a meridian passage: the vertex of the
// parabola through three altitudes, recentred until it stays near its
// middle point. The altitude is close to a parabola there, and the
// extreme lies within minutes of the passage.
Extremum ExtremeNear(Body body, const Site& site, const MeridianPassage& passage, double dut1)
{
    const auto altitude = [&](double utc) { return AltitudeFrom(body, site, utc, dut1).Altitude; };
    double middle = passage.Utc, at = passage.Altitude;
    for (int refinement = 0; refinement < ExtremeRefinements; ++refinement) {
        const double before = altitude(middle - ExtremeStep), after = altitude(middle + ExtremeStep);
        const double curvature = before - 2 * at + after;
        const bool bends = passage.Upper ? curvature < 0 : curvature > 0;
        if (!bends)
            break; // flat at the pole, or not bending: the passage itself
        double shift = ExtremeStep * (before - after) / (2 * curvature);
        shift = std::fmax(-ExtremeStep, std::fmin(ExtremeStep, shift));
        const double next = middle + shift, value = altitude(next);
        const bool better = passage.Upper ? value >= at : value <= at;
        if (!better)
            break;
        middle = next;
        at = value;
        if (std::fabs(shift) < ExtremeStep / 8)
            break;
    }
    return {middle, at};
}

} // namespace

AltitudeCourse CourseAround(Body body, const Observer& observer, double start, double end, double dut1)
{
    const Site site(observer);
    AltitudeCourse course;
    const double from = start - SearchMargin, to = end + SearchMargin;
    const double rate = HourAngleRate(body);
    double t = from;
    double hourAngle = PlaceAt(body, site, t, dut1).HourAngle;
    double target = std::floor(hourAngle / 180.0) * 180.0 + 180.0; // the next multiple of 180
    for (;;) {
        const double at = std::fmod(target, 360.0);
        const double passage = PassageNear(body, site, t + (target - hourAngle) / rate, at, dut1);
        if (passage > to)
            break;
        course.Passages.push_back({passage, at == 0.0, AltitudeFrom(body, site, passage, dut1).Altitude});
        t = passage;
        hourAngle = target;
        target += 180.0;
    }
    for (const MeridianPassage& p : course.Passages)
        course.Extremes.push_back(ExtremeNear(body, site, p, dut1));
    return course;
}

std::vector<Crossing> CrossingsOf(Body body, const Observer& observer, const AltitudeCourse& course,
                                  const Threshold& threshold, double start, double end, double dut1)
{
    const Site site(observer);
    const auto above = [&](double utc) {
        const Site::Altitude place = AltitudeFrom(body, site, utc, dut1);
        return place.Altitude - threshold(place.SemiDiameter);
    };
    std::vector<Crossing> crossings;
    for (std::size_t i = 0; i + 1 < course.Extremes.size(); ++i) {
        const double a = course.Extremes[i].At, b = course.Extremes[i + 1].At;
        if (b < start || a >= end)
            continue;
        const double fa = above(a), fb = above(b);
        // At or above counts as above, so a touch at an extreme is one crossing.
        if ((fa >= 0) == (fb >= 0))
            continue;
        const double root = FindRoot(above, a, b, fa, fb, CrossingTolerance);
        if (root >= start && root < end)
            crossings.push_back({root, fb >= 0});
    }
    return crossings;
}

Threshold UpperLimbOnHorizon(const Observer& observer)
{
    const double height = observer.Height;
    return [height](double semiDiameter) { return RiseSetAltitude(semiDiameter, height); };
}

Threshold CentreAt(double altitude)
{
    return [altitude](double) { return altitude; };
}

} // namespace astro
