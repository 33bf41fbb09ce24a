#include "solara/core/day_json.h"

#include "platform/command_line/json.h"
#include "timezones/time_text.h"

namespace solara {
namespace {

cli::Json Time(double utc, const timezones::Zone& zone)
{
    return cli::Json::String(timezones::FormatIso(utc, zone));
}

cli::Json FirstTime(const std::vector<double>& events, const timezones::Zone& zone)
{
    return events.empty() ? cli::Json::Null() : Time(events.front(), zone);
}

cli::Json AllTimes(const std::vector<double>& events, const timezones::Zone& zone)
{
    std::vector<cli::Json> times;
    for (const double t : events)
        times.push_back(Time(t, zone));
    return cli::Json::Array(times);
}

const char* StateKey(astro::DayState state)
{
    switch (state) {
    case astro::DayState::AboveAllDay:
        return "above";
    case astro::DayState::BelowAllDay:
        return "below";
    case astro::DayState::Normal:
    case astro::DayState::TwilightAllNight:
        break;
    }
    return "normal";
}

const char* PhaseKey(astro::PrincipalPhaseKind kind)
{
    switch (kind) {
    case astro::PrincipalPhaseKind::NewMoon:
        return "new";
    case astro::PrincipalPhaseKind::FirstQuarter:
        return "first_quarter";
    case astro::PrincipalPhaseKind::FullMoon:
        return "full";
    case astro::PrincipalPhaseKind::LastQuarter:
        break;
    }
    return "last_quarter";
}

cli::Json DayJson(const AlmanacDay& day, const timezones::Zone& zone)
{
    const astro::SunDay& s = day.Events.Sun;
    const astro::MoonDay& m = day.Events.Moon;
    const cli::Json sun = cli::JsonObject()
        .Add("astronomical_dawn", FirstTime(s.AstronomicalDawn, zone))
        .Add("nautical_dawn", FirstTime(s.NauticalDawn, zone))
        .Add("civil_dawn", FirstTime(s.CivilDawn, zone))
        .Add("rise", FirstTime(s.Sunrise, zone))
        .Add("transit", FirstTime(PassageTimes(s.MeridianPassages), zone))
        .Add("set", FirstTime(s.Sunset, zone))
        .Add("civil_dusk", FirstTime(s.CivilDusk, zone))
        .Add("nautical_dusk", FirstTime(s.NauticalDusk, zone))
        .Add("astronomical_dusk", FirstTime(s.AstronomicalDusk, zone))
        .Add("transit_altitude_deg", s.MeridianPassages.empty() ? cli::Json::Null()
                                                                : cli::Json::Number(s.MeridianPassages.front().Altitude))
        .Add("state", cli::Json::String(StateKey(s.State)))
        .Value();
    const cli::Json moon = cli::JsonObject()
        .Add("rise", AllTimes(m.Moonrise, zone))
        .Add("transit", AllTimes(PassageTimes(m.MeridianPassages), zone))
        .Add("set", AllTimes(m.Moonset, zone))
        .Add("illuminated", cli::Json::Number(day.Events.Phase.IlluminatedFraction))
        .Add("age_days", cli::Json::Number(day.Events.Phase.Age))
        .Add("phase_deg", cli::Json::Number(day.Events.Phase.PhaseAngle))
        .Value();
    const bool polar = s.State == astro::DayState::AboveAllDay || s.State == astro::DayState::BelowAllDay;
    std::vector<cli::Json> phases;
    for (const astro::PrincipalPhase& p : day.Events.Phases)
        phases.push_back(cli::JsonObject().Add("kind", cli::Json::String(PhaseKey(p.Kind))).Add("time", Time(p.Utc, zone)).Value());
    return cli::JsonObject()
        .Add("date", cli::Json::String(timezones::FormatDate(day.Date)))
        .Add("sun", sun)
        .Add("moon", moon)
        .Add("day_length", polar ? cli::Json::Null() : cli::Json::String(timezones::FormatDuration(s.DayLength)))
        .Add("phases", cli::Json::Array(phases))
        .Value();
}

} // namespace

std::string DaysJson(const timezones::Zone& zone, const std::vector<AlmanacDay>& days)
{
    std::vector<cli::Json> items;
    for (const AlmanacDay& day : days)
        items.push_back(DayJson(day, zone));
    return cli::JsonObject().Add("zone", cli::Json::String(zone.Name())).Add("days", cli::Json::Array(items)).Line();
}

} // namespace solara
