#include "astro/day_events.h"

#include "astro/horizon.h"
#include "astro/time_scales.h"

#include <algorithm>
#include <cmath>

namespace astro {
namespace {

constexpr double LongestDay = 48 * 3600.0; // seconds

void Split(const std::vector<Crossing>& crossings, std::vector<double>& rising, std::vector<double>& setting)
{
    for (const Crossing& c : crossings)
        (c.Rising ? rising : setting).push_back(c.Utc);
}

std::vector<MeridianPassage> UpperPassagesIn(const AltitudeCourse& course, double start, double end)
{
    std::vector<MeridianPassage> upper;
    for (const MeridianPassage& p : course.Passages)
        if (p.Upper && p.Utc >= start && p.Utc < end)
            upper.push_back(p);
    return upper;
}

// The Sun's lowest true altitude in [start, end): at an end or at a
// minimum inside, the altitude being monotonic between extremes.
double LowestAltitude(const Observer& observer, const AltitudeCourse& course, double start, double end, double dut1)
{
    double lowest = std::min(AltitudeAt(Body::Sun, observer, start, dut1), AltitudeAt(Body::Sun, observer, end, dut1));
    for (const Extremum& e : course.Extremes)
        if (e.At > start && e.At < end)
            lowest = std::min(lowest, e.Value);
    return lowest;
}

} // namespace

Day DayEvents(const Observer& observer, double dayStart, double dayEnd, double noon, double dut1)
{
    RequireValidObserver(observer);
    RequireSupportedInterval(dayStart, dayEnd);
    if (dayEnd - dayStart > LongestDay)
        throw TimeRangeError("A day lasts 48 hours at most");
    Day day{};

    const AltitudeCourse sun = CourseAround(Body::Sun, observer, dayStart, dayEnd, dut1);
    const auto crossings = [&](const AltitudeCourse& course, Body body, const Threshold& threshold) {
        return CrossingsOf(body, observer, course, threshold, dayStart, dayEnd, dut1);
    };
    SunDay& s = day.Sun;
    const std::vector<Crossing> horizon = crossings(sun, Body::Sun, UpperLimbOnHorizon(observer));
    Split(horizon, s.Sunrise, s.Sunset);
    Split(crossings(sun, Body::Sun, CentreAt(CivilTwilight)), s.CivilDawn, s.CivilDusk);
    Split(crossings(sun, Body::Sun, CentreAt(NauticalTwilight)), s.NauticalDawn, s.NauticalDusk);
    Split(crossings(sun, Body::Sun, CentreAt(AstronomicalTwilight)), s.AstronomicalDawn, s.AstronomicalDusk);
    s.MeridianPassages = UpperPassagesIn(sun, dayStart, dayEnd);

    // Time above the horizon: from the state at the start, through each crossing.
    const TopocentricPlace first = Topocentric(Body::Sun, observer, TimeFromUtc(dayStart, dut1));
    const bool upAtStart = first.Altitude >= RiseSetAltitude(first.SemiDiameter, observer.Height);
    bool up = upAtStart;
    double since = dayStart;
    s.DayLength = 0;
    for (const Crossing& c : horizon) {
        if (up)
            s.DayLength += c.Utc - since;
        up = c.Rising;
        since = c.Utc;
    }
    if (up)
        s.DayLength += dayEnd - since;
    if (horizon.empty())
        s.State = upAtStart ? DayState::AboveAllDay : DayState::BelowAllDay;
    else if (LowestAltitude(observer, sun, dayStart, dayEnd, dut1) > AstronomicalTwilight)
        s.State = DayState::TwilightAllNight;
    else
        s.State = DayState::Normal;

    const AltitudeCourse moon = CourseAround(Body::Moon, observer, dayStart, dayEnd, dut1);
    Split(crossings(moon, Body::Moon, UpperLimbOnHorizon(observer)), day.Moon.Moonrise, day.Moon.Moonset);
    day.Moon.MeridianPassages = UpperPassagesIn(moon, dayStart, dayEnd);

    day.Phase = MoonPhaseAt(noon);
    day.Phases = PrincipalPhases(dayStart, dayEnd);
    return day;
}

} // namespace astro
