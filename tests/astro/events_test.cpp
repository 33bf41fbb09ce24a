// A day's events against PyEphem's rising, setting and transit searches
// with the same conventions, over 35 places and dates: both hemispheres,
// the equator, across 180 degrees, and 60 to 70 degrees on the days polar
// day and night begin and end.
#include "astro/day_events.h"
#include "astro/horizon.h"

#include <gtest/gtest.h>

#include "pyephem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

using astrotest::EventCases;

std::map<std::string, std::vector<double>> OurEvents(const astro::Day& day)
{
    const astro::SunDay& s = day.Sun;
    std::map<std::string, std::vector<double>> events = {
        {"astronomical_dawn", s.AstronomicalDawn}, {"nautical_dawn", s.NauticalDawn}, {"civil_dawn", s.CivilDawn},
        {"sunrise", s.Sunrise}, {"sunset", s.Sunset}, {"civil_dusk", s.CivilDusk}, {"nautical_dusk", s.NauticalDusk},
        {"astronomical_dusk", s.AstronomicalDusk}, {"moonrise", day.Moon.Moonrise}, {"moonset", day.Moon.Moonset},
    };
    for (const astro::MeridianPassage& p : s.MeridianPassages)
        events["sun_transit"].push_back(p.Utc);
    for (const astro::MeridianPassage& p : day.Moon.MeridianPassages)
        events["moon_transit"].push_back(p.Utc);
    return events;
}

astro::Day DayOf(const astrotest::EventCase& c)
{
    const double start = astrotest::DayStart(c);
    return astro::DayEvents({c.Latitude, c.Longitude, c.Height}, start, start + 86400.0, start + 43200.0);
}

TEST(DayEvents, AgreeWithPyEphemEventForEvent)
{
    double worstSun = 0, worstMoon = 0, worstAltitude = 0;
    for (std::size_t i = 0; i < EventCases.size(); ++i) {
        const astrotest::EventCase& c = EventCases[i];
        const astro::Day day = DayOf(c);
        std::map<std::string, std::vector<double>> ours = OurEvents(day), theirs;
        for (const auto& line : astrotest::PyEphem("event", static_cast<int>(i)))
            theirs[line[0]].push_back(std::stod(line[1]));
        for (const auto& line : astrotest::PyEphem("event", static_cast<int>(i)))
            if (line[0] == "sun_transit" && day.Sun.MeridianPassages.size() == 1) {
                const double apart = std::fabs(day.Sun.MeridianPassages[0].Altitude - std::stod(line[2])) * 60;
                EXPECT_LT(apart, 0.1) << c.Name << ": the Sun's altitude at its meridian passage (minutes)";
                worstAltitude = std::max(worstAltitude, apart);
            }
        for (auto& [kind, times] : theirs)
            std::sort(times.begin(), times.end());
        for (const char* kind : {"astronomical_dawn", "nautical_dawn", "civil_dawn", "sunrise", "sun_transit", "sunset",
                                 "civil_dusk", "nautical_dusk", "astronomical_dusk", "moonrise", "moon_transit",
                                 "moonset"}) {
            const std::vector<double>& a = ours[kind];
            const std::vector<double>& b = theirs[kind];
            ASSERT_EQ(a.size(), b.size()) << c.Name << ": " << kind;
            const bool moon = std::string(kind).rfind("moon", 0) == 0;
            for (std::size_t k = 0; k < a.size(); ++k) {
                const double apart = std::fabs(a[k] - b[k]);
                EXPECT_LT(apart, moon ? 60.0 : 30.0) << c.Name << ": " << kind;
                (moon ? worstMoon : worstSun) = std::max(moon ? worstMoon : worstSun, apart);
            }
        }
    }
    std::printf("Worst against PyEphem: Sun %.1f s, Moon %.1f s, the Sun's meridian altitude %.3f'\n", worstSun,
                worstMoon, worstAltitude);
}

// Every crossing found by sampling the altitude every 30 s is one of ours,
// and each of ours is one of them, or one of a pair too close together
// (a graze) for the sampling to see.
TEST(DayEvents, NeverMissNorDoubleACrossing)
{
    constexpr double Step = 30.0;
    for (const astrotest::EventCase& c : EventCases) {
        const astro::Observer where{c.Latitude, c.Longitude, c.Height};
        const astro::Day day = DayOf(c);
        const struct {
            astro::Body Body;
            bool Limb; // the upper limb on the horizon, else the centre at -6 degrees
            const std::vector<double>& Rising;
            const std::vector<double>& Setting;
        } kinds[] = {
            {astro::Body::Sun, true, day.Sun.Sunrise, day.Sun.Sunset},
            {astro::Body::Sun, false, day.Sun.CivilDawn, day.Sun.CivilDusk},
            {astro::Body::Moon, true, day.Moon.Moonrise, day.Moon.Moonset},
        };
        for (const auto& kind : kinds) {
            std::vector<double> ours = kind.Rising;
            ours.insert(ours.end(), kind.Setting.begin(), kind.Setting.end());
            std::sort(ours.begin(), ours.end());
            const double start = astrotest::DayStart(c);
            std::vector<double> sampled;
            bool wasAbove = false;
            for (double t = start; t < start + 86400.0; t += Step) {
                const astro::TopocentricPlace p = astro::Topocentric(kind.Body, where, astro::TimeFromUtc(t));
                const double threshold = kind.Limb ? astro::RiseSetAltitude(p.SemiDiameter, c.Height) : astro::CivilTwilight;
                const bool above = p.Altitude >= threshold;
                if (t > start && above != wasAbove)
                    sampled.push_back(t - Step / 2);
                wasAbove = above;
            }
            for (const double s : sampled)
                EXPECT_TRUE(std::any_of(ours.begin(), ours.end(), [s](double o) { return std::fabs(o - s) <= Step; }))
                    << c.Name << ": missed a crossing near " << s;
            for (std::size_t i = 0; i < ours.size(); ++i) {
                const bool seen = std::any_of(sampled.begin(), sampled.end(),
                                              [&](double s) { return std::fabs(ours[i] - s) <= Step; });
                const bool graze = (i > 0 && ours[i] - ours[i - 1] < 2 * Step)
                                   || (i + 1 < ours.size() && ours[i + 1] - ours[i] < 2 * Step);
                EXPECT_TRUE(seen || graze) << c.Name << ": a crossing at " << ours[i] << " that is not there";
            }
        }
    }
}

TEST(DayEvents, TellTheStateOfTheDayAndItsLength)
{
    const std::map<std::string, astro::DayState> expected = {
        {"Plymouth, equinox", astro::DayState::Normal},
        {"Lerwick, midsummer", astro::DayState::TwilightAllNight},
        {"Reykjavik, midsummer", astro::DayState::TwilightAllNight},
        {"Tromso, midsummer", astro::DayState::AboveAllDay},
        {"Tromso, midwinter", astro::DayState::BelowAllDay},
        {"Ross Sea, midsummer", astro::DayState::AboveAllDay},
        {"Chukotka, midwinter", astro::DayState::Normal},
    };
    for (const astrotest::EventCase& c : EventCases) {
        const auto state = expected.find(c.Name);
        if (state == expected.end())
            continue;
        const astro::SunDay sun = DayOf(c).Sun;
        EXPECT_EQ(sun.State, state->second) << c.Name;
        if (sun.State == astro::DayState::AboveAllDay)
            EXPECT_EQ(sun.DayLength, 86400.0) << c.Name;
        else if (sun.State == astro::DayState::BelowAllDay)
            EXPECT_EQ(sun.DayLength, 0.0) << c.Name;
        else {
            // One sunrise and one sunset: the Sun is up between them, or
            // (sunset in the small hours, as in Reykjavik in June) outside them.
            const double rise = sun.Sunrise.at(0), set = sun.Sunset.at(0);
            EXPECT_NEAR(sun.DayLength, rise < set ? set - rise : 86400.0 - (rise - set), 1e-6) << c.Name;
        }
    }
}

TEST(DayEvents, RefuseWhatIsNoDayOrNoPlace)
{
    const double start = astrotest::UtcOfDate(2024, 3, 20);
    const struct {
        astro::Observer Where;
        double Start, End;
        const char* Message;
    } cases[] = {
        {{91, 0, 0}, start, start + 86400, "The latitude must lie between 90 S and 90 N"},
        {{50, NAN, 0}, start, start + 86400, "The longitude is not a number"},
        {{50, 0, -1}, start, start + 86400, "The height of eye must lie between 0 and 10000 m"},
        {{50, 0, 0}, start, start, "The interval must end after it starts"},
        {{50, 0, 0}, start, start + 49 * 3600.0, "A day lasts 48 hours at most"},
        {{50, 0, 0}, astrotest::UtcOfDate(1899, 12, 31), astrotest::UtcOfDate(1900, 1, 1),
         "Dates before 1900 or after 2100 are not supported"},
        {{50, 0, 0}, astrotest::UtcOfDate(2101, 1, 1), astrotest::UtcOfDate(2101, 1, 2),
         "Dates before 1900 or after 2100 are not supported"},
        {{50, 0, 0}, NAN, start, "Dates before 1900 or after 2100 are not supported"},
    };
    for (const auto& c : cases) {
        try {
            astro::DayEvents(c.Where, c.Start, c.End, c.Start);
            ADD_FAILURE() << c.Message << ": accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

} // namespace
