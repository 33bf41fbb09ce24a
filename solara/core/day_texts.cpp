#include "solara/core/day_texts.h"

#include "geo/int_text.h"
#include "geo/position_text.h"
#include "solara/core/clock_text.h"
#include "timezones/time_text.h"

#include <cmath>

namespace solara {
namespace {

constexpr double QuarterTurn = 90.0, HalfTurn = 180.0, ThreeQuarters = 270.0; // degrees of phase angle
constexpr const char* WeekdayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// The times of a list of events, or what says there is none.
std::string Times(const std::vector<double>& events, const timezones::Zone& zone, bool withOffset,
                  const std::string& none)
{
    if (events.empty())
        return none;
    std::string text;
    for (const double t : events)
        text += (text.empty() ? "" : ", ") + ClockText(t, zone, withOffset);
    return text;
}

std::string Minutes(const std::vector<double>& events, const timezones::Zone& zone, timezones::CivilDate date,
                    bool forPage)
{
    if (events.empty())
        return "--:--";
    if (forPage)
        return MinuteText(events.front(), zone, date) + (events.size() > 1 ? "+" : "");
    std::string text;
    for (const double t : events)
        text += (text.empty() ? "" : ", ") + MinuteText(t, zone, date);
    return text;
}

// The phase angle to a tenth of a degree, 0.0 to 359.9: one that rounds
// to a whole turn is 0.0.
std::string PhaseAngleText(double angle)
{
    const double tenths = std::round(angle * 10.0);
    return geo::DecimalText(tenths >= 3600.0 ? 0.0 : tenths / 10.0, 1) + '\xB0';
}

bool SunCrossesHorizon(const astro::SunDay& s)
{
    return !s.Sunrise.empty() || !s.Sunset.empty();
}

// The cell of a twilight: on a day the Sun rises or sets, a level it
// crosses neither way is one the night never gets below.
std::string TwilightCell(const std::vector<double>& these, const std::vector<double>& other, const astro::SunDay& s,
                         const timezones::Zone& zone, timezones::CivilDate date, bool forPage)
{
    if (these.empty() && other.empty() && SunCrossesHorizon(s))
        return "all night";
    return Minutes(these, zone, date, forPage);
}

std::string RiseSetCell(const std::vector<double>& events, const astro::SunDay& s, const timezones::Zone& zone,
                        timezones::CivilDate date, bool forPage)
{
    if (s.State == astro::DayState::AboveAllDay)
        return "above";
    if (s.State == astro::DayState::BelowAllDay)
        return "below";
    return Minutes(events, zone, date, forPage);
}

} // namespace

std::string StateText(astro::DayState state)
{
    switch (state) {
    case astro::DayState::AboveAllDay:
        return "Sun above the horizon all day";
    case astro::DayState::BelowAllDay:
        return "Sun below the horizon all day";
    case astro::DayState::TwilightAllNight:
        return "Twilight all night";
    case astro::DayState::Normal:
        break;
    }
    return "Sun rises and sets";
}

std::string PhaseKindText(astro::PrincipalPhaseKind kind)
{
    switch (kind) {
    case astro::PrincipalPhaseKind::NewMoon:
        return "New moon";
    case astro::PrincipalPhaseKind::FirstQuarter:
        return "First quarter";
    case astro::PrincipalPhaseKind::FullMoon:
        return "Full moon";
    case astro::PrincipalPhaseKind::LastQuarter:
        break;
    }
    return "Last quarter";
}

std::string PhaseName(const AlmanacDay& day)
{
    if (!day.Events.Phases.empty())
        return PhaseKindText(day.Events.Phases.front().Kind);
    const double angle = day.Events.Phase.PhaseAngle;
    if (angle < QuarterTurn)
        return "Waxing crescent";
    if (angle < HalfTurn)
        return "Waxing gibbous";
    if (angle < ThreeQuarters)
        return "Waning gibbous";
    return "Waning crescent";
}

Lines SunLines(const AlmanacDay& day, const timezones::Zone& zone)
{
    const astro::SunDay& s = day.Events.Sun;
    const bool offsets = OffsetChangesIn(zone, day.Bounds);
    const auto times = [&](const std::vector<double>& events, const char* none) {
        return Times(events, zone, offsets, none);
    };
    std::string altitude = "no meridian passage";
    if (!s.MeridianPassages.empty()) {
        altitude.clear();
        for (const astro::MeridianPassage& p : s.MeridianPassages)
            altitude += (altitude.empty() ? "" : ", ") + AltitudeText(p.Altitude);
    }
    const bool polar = s.State == astro::DayState::AboveAllDay || s.State == astro::DayState::BelowAllDay;
    return {
        {"Astronomical dawn", times(s.AstronomicalDawn, "no astronomical dawn")},
        {"Nautical dawn", times(s.NauticalDawn, "no nautical dawn")},
        {"Civil dawn", times(s.CivilDawn, "no civil dawn")},
        {"Sunrise", times(s.Sunrise, "no sunrise")},
        {"Sun's meridian passage", times(PassageTimes(s.MeridianPassages), "no meridian passage")},
        {"Sun's meridian altitude", altitude},
        {"Sunset", times(s.Sunset, "no sunset")},
        {"Civil dusk", times(s.CivilDusk, "no civil dusk")},
        {"Nautical dusk", times(s.NauticalDusk, "no nautical dusk")},
        {"Astronomical dusk", times(s.AstronomicalDusk, "no astronomical dusk")},
        {"Length of day", polar ? StateText(s.State) : timezones::FormatDuration(s.DayLength)},
        {"Daylight", StateText(s.State)},
    };
}

Lines MoonLines(const AlmanacDay& day, const timezones::Zone& zone)
{
    const astro::MoonDay& m = day.Events.Moon;
    const bool offsets = OffsetChangesIn(zone, day.Bounds);
    std::string principal = "none today";
    if (!day.Events.Phases.empty()) {
        principal.clear();
        for (const astro::PrincipalPhase& p : day.Events.Phases)
            principal += (principal.empty() ? "" : ", ") + PhaseKindText(p.Kind) + " at " + ClockText(p.Utc, zone, offsets);
    }
    const astro::MoonPhase& phase = day.Events.Phase;
    return {
        {"Moonrise", Times(m.Moonrise, zone, offsets, "no moonrise")},
        {"Moon's meridian passage", Times(PassageTimes(m.MeridianPassages), zone, offsets, "no meridian passage")},
        {"Moonset", Times(m.Moonset, zone, offsets, "no moonset")},
        {"Moon's age", geo::DecimalText(phase.Age, 1) + " days"},
        {"Illuminated", geo::DecimalText(phase.IlluminatedFraction * 100.0, 0) + " %"},
        {"Moon's phase", PhaseName(day) + ", " + PhaseAngleText(phase.PhaseAngle)},
        {"Principal phase", principal},
    };
}

Lines DayLines(const AlmanacDay& day, const timezones::Zone& zone)
{
    Lines lines = SunLines(day, zone);
    for (auto& line : MoonLines(day, zone))
        lines.push_back(std::move(line));
    return lines;
}

Lines MonthPhaseLines(const std::vector<AlmanacDay>& month, const timezones::Zone& zone)
{
    Lines lines;
    for (const auto kind : {astro::PrincipalPhaseKind::NewMoon, astro::PrincipalPhaseKind::FirstQuarter,
                            astro::PrincipalPhaseKind::FullMoon, astro::PrincipalPhaseKind::LastQuarter}) {
        std::string text;
        for (const AlmanacDay& day : month)
            for (const astro::PrincipalPhase& p : day.Events.Phases)
                if (p.Kind == kind)
                    text += (text.empty() ? "" : ", ") + DateTimeText(p.Utc, zone);
        lines.emplace_back(PhaseKindText(kind), text.empty() ? "none this month" : text);
    }
    return lines;
}

std::vector<std::string> MonthHeadings()
{
    return {"Date",          "Astronomical dawn", "Nautical dawn",     "Civil dawn", "Sunrise",
            "Meridian passage", "Sunset",         "Civil dusk",        "Nautical dusk", "Astronomical dusk",
            "Moonrise",      "Moonset",           "Moon's age",        "Illuminated"};
}

std::vector<std::vector<std::string>> MonthPageHeadings()
{
    return {{"Date", "Astr.", "Naut.", "Civil", "Sun-", "Mer.", "Sun-", "Civil", "Naut.", "Astr.", "Moon-", "Moon-", "Age",
             "Illum."},
            {"", "dawn", "dawn", "dawn", "rise", "pass.", "set", "dusk", "dusk", "dusk", "rise", "set", "days", ""}};
}

std::vector<std::string> MonthRow(const AlmanacDay& day, const timezones::Zone& zone, bool forPage)
{
    const astro::SunDay& s = day.Events.Sun;
    const timezones::CivilDate date = day.Date;
    std::string label;
    geo::AppendZeroPadded(label, date.Day, 2);
    label += ' ';
    label += WeekdayNames[timezones::WeekdayFromDays(timezones::DaysFromCivil(date))];
    return {
        label,
        TwilightCell(s.AstronomicalDawn, s.AstronomicalDusk, s, zone, date, forPage),
        TwilightCell(s.NauticalDawn, s.NauticalDusk, s, zone, date, forPage),
        TwilightCell(s.CivilDawn, s.CivilDusk, s, zone, date, forPage),
        RiseSetCell(s.Sunrise, s, zone, date, forPage),
        Minutes(PassageTimes(s.MeridianPassages), zone, date, forPage),
        RiseSetCell(s.Sunset, s, zone, date, forPage),
        TwilightCell(s.CivilDusk, s.CivilDawn, s, zone, date, forPage),
        TwilightCell(s.NauticalDusk, s.NauticalDawn, s, zone, date, forPage),
        TwilightCell(s.AstronomicalDusk, s.AstronomicalDawn, s, zone, date, forPage),
        Minutes(day.Events.Moon.Moonrise, zone, date, forPage),
        Minutes(day.Events.Moon.Moonset, zone, date, forPage),
        geo::DecimalText(day.Events.Phase.Age, 1),
        geo::DecimalText(day.Events.Phase.IlluminatedFraction * 100.0, 0) + "%",
    };
}

} // namespace solara
