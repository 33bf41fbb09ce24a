#include "obsprep/core/twilights.h"

#include "astro/events.h"
#include "astro/horizon.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace obsprep {
namespace {

constexpr double Settled = 0.1; // seconds: an event that moves less has been found
constexpr int MostSteps = 8;    // the vessel moves an event by a thirtieth of its own change at most

enum class Event { MorningNautical, MorningCivil, MeridianPassage, EveningCivil, EveningNautical };
constexpr Event Events[] = {Event::MorningNautical, Event::MorningCivil, Event::MeridianPassage, Event::EveningCivil,
                            Event::EveningNautical};

bool IsEvening(Event e) { return e == Event::EveningCivil || e == Event::EveningNautical; }

// Every instant of `event` in the day for an observer standing at `at`.
std::vector<double> Found(Event event, const Place& at, const timezones::DayBounds& day)
{
    const astro::Observer observer{at.LatDeg, at.LonDeg, 0.0};
    const auto start = static_cast<double>(day.Start), end = static_cast<double>(day.End);
    const astro::AltitudeCourse course = astro::CourseAround(astro::Body::Sun, observer, start, end);
    std::vector<double> times;
    if (event == Event::MeridianPassage) {
        for (const astro::MeridianPassage& p : course.Passages)
            if (p.Upper && p.Utc >= start && p.Utc < end) times.push_back(p.Utc);
        return times;
    }
    const bool civil = event == Event::MorningCivil || event == Event::EveningCivil;
    const double altitude = civil ? astro::CivilTwilight : astro::NauticalTwilight;
    for (const astro::Crossing& c :
         astro::CrossingsOf(astro::Body::Sun, observer, course, astro::CentreAt(altitude), start, end))
        if (c.Rising != IsEvening(event)) times.push_back(c.Utc);
    return times;
}

// The event where the vessel is when it happens.
std::optional<double> Followed(Event event, const Voyage& voyage, const timezones::DayBounds& day, Place at)
{
    std::optional<double> t;
    for (int step = 0; step < MostSteps; ++step) {
        const std::vector<double> times = Found(event, at, day);
        if (times.empty()) return std::nullopt; // the vessel has sailed to where the day holds none
        double next = IsEvening(event) ? times.back() : times.front();
        if (t) next = *std::ranges::min_element(times, {}, [&](double u) { return std::fabs(u - *t); });
        if ((t && std::fabs(next - *t) < Settled) || voyage.SpeedKn == 0) return next;
        t = next;
        at = DrAt(voyage, next);
    }
    return t;
}

} // namespace

TwilightTimes TwilightsOf(const Voyage& voyage, const timezones::DayBounds& day)
{
    const Place midday = DrAt(voyage, static_cast<double>(day.Start) + static_cast<double>(day.Length()) / 2);
    TwilightTimes times;
    std::optional<double>* slots[] = {&times.MorningNautical, &times.MorningCivil, &times.MeridianPassage,
                                      &times.EveningCivil, &times.EveningNautical};
    for (std::size_t i = 0; i < std::size(Events); ++i)
        *slots[i] = Followed(Events[i], voyage, day, midday);
    return times;
}

std::optional<double> MiddleOfNauticalTwilight(const TwilightTimes& times, Twilight which)
{
    const std::optional<double>& nautical = which == Twilight::Morning ? times.MorningNautical : times.EveningNautical;
    const std::optional<double>& civil = which == Twilight::Morning ? times.MorningCivil : times.EveningCivil;
    if (!nautical || !civil) return std::nullopt;
    return std::round((*nautical + *civil) / 2);
}

} // namespace obsprep
