// The planning list held against PyEphem (Debian's python3-ephem, asked
// once for every case, pyephem_sky.py): each body's Hc and Zn from the DR
// run on to the time of the list, the stars to 0.2' of PyEphem's own
// altitude and azimuth, the Moon and the planets to PyEphem's geocentric
// place seen from there (0.2', the Moon 0.3'), and every body PyEphem sees
// between 15 and 75 degrees listed, none other. The DR's run is held
// against GeographicLib's rhumb line; the twilights against the astronomy
// core's own day, where the vessel is at each of them.
#include "obsprep/core/plan.h"

#include "astro/day_events.h"
#include "timezones/time_text.h"

#include "program_output.h"

#include <GeographicLib/Rhumb.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

namespace {

constexpr double ArcminPerDegree = 60;
constexpr double Edge = 0.01; // degrees: bodies this close to 15 or 75 may fall either side

struct Case {
    const char* Name;
    double Lat, Lon, Course, Speed;
    const char* DrTime; // on the ship's clock
    const char* Date;
    obsprep::Twilight When;
    const char* Time; // the list's instant, or null for twilight's
};

const Case Cases[] = {
    {"Plymouth at anchor, evening", 50.37, -4.14, 0, 0, "00:00:00", "2026-12-09", obsprep::Twilight::Evening, nullptr},
    {"Plymouth, the time asked", 50.37, -4.14, 0, 0, "00:00:00", "2026-12-09", obsprep::Twilight::Evening,
     "2026-12-09T18:30:00Z"},
    {"Western Approaches, 20 kn west, morning", 49.5, -8.0, 270, 20, "00:00:00", "2026-12-10",
     obsprep::Twilight::Morning, nullptr},
    {"Mid-Pacific, ZD +10", 20.0, -150.0, 45, 15, "12:00:00", "2026-06-15", obsprep::Twilight::Evening, nullptr},
    {"Off Sydney, morning", -33.86, 151.5, 10, 12, "18:00:00", "2026-04-05", obsprep::Twilight::Morning, nullptr},
    {"South Atlantic, running south", -40.0, -20.0, 180, 12, "06:00:00", "2025-09-22", obsprep::Twilight::Evening,
     nullptr},
    {"Fiji, across 180", -18.14, 179.9, 90, 18, "00:00:00", "2024-03-01", obsprep::Twilight::Evening, nullptr},
    {"North Atlantic, 1972", 30.0, -40.0, 300, 8, "00:00:00", "1972-01-15", obsprep::Twilight::Morning, nullptr},
    {"Equator, 80 W", 0.0, -80.0, 0, 0, "00:00:00", "2024-09-22", obsprep::Twilight::Evening, nullptr},
    {"Shetland, midwinter morning", 60.15, -1.15, 200, 10, "03:00:00", "2024-12-21", obsprep::Twilight::Morning,
     nullptr},
};

int SecondsOf(const char* hms)
{
    int h = 0, m = 0, s = 0;
    std::sscanf(hms, "%d:%d:%d", &h, &m, &s);
    return h * 3600 + m * 60 + s;
}

obsprep::Plan PlanOf(const Case& c)
{
    obsprep::PlanRequest r;
    r.DrLatDeg = c.Lat;
    r.DrLonDeg = c.Lon;
    r.CourseDeg = c.Course;
    r.SpeedKn = c.Speed;
    r.DrSecondOfDay = SecondsOf(c.DrTime);
    r.Date = timezones::ParseDate(c.Date);
    r.When = c.When;
    if (c.Time) r.Utc = timezones::ParseInstant(c.Time);
    return obsprep::MakePlan(r);
}

// PyEphem's altitude and azimuth of every listable body, by case and body.
using Seen = std::map<std::pair<std::size_t, std::string>, std::pair<double, double>>;

Seen AskPyEphem(const std::vector<obsprep::Plan>& plans)
{
    std::ostringstream requests;
    requests.precision(17);
    std::vector<std::pair<std::size_t, std::string>> asked;
    for (std::size_t i = 0; i < plans.size(); ++i)
        for (const std::string& body : astro::AlmanacBodies()) {
            if (body == "Sun" || body == "Aries") continue;
            requests << asked.size() << ' ' << plans[i].DrThen->LatDeg << ' ' << plans[i].DrThen->LonDeg << ' '
                     << *plans[i].Utc << ' ' << body << '\n';
            asked.emplace_back(i, body);
        }
    std::string quoted; // in single quotes, each quote of a name ("Al Na'ir") closed and reopened
    for (const char c : requests.str())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    std::istringstream answers(testsupport::ProgramOutput(
        "printf '%s' '" + quoted + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR "/tests/obsprep/pyephem_sky.py"));
    Seen seen;
    std::size_t id = 0;
    double altitude = 0, azimuth = 0;
    while (answers >> id >> altitude >> azimuth)
        seen[asked.at(id)] = {altitude, azimuth};
    EXPECT_EQ(seen.size(), asked.size()) << "PyEphem answered every request";
    return seen;
}

TEST(PlanningList, HcAndZnAgainstPyEphemFromTheDrThen)
{
    std::vector<obsprep::Plan> plans;
    for (const Case& c : Cases) {
        plans.push_back(PlanOf(c));
        ASSERT_TRUE(plans.back().Utc.has_value()) << c.Name;
    }
    const Seen seen = AskPyEphem(plans);
    for (std::size_t i = 0; i < plans.size(); ++i) {
        const obsprep::Plan& plan = plans[i];
        const Case& c = Cases[i];
        // The DR run on along the rhumb line, as GeographicLib sails it.
        double lat = 0, lon = 0;
        const double miles = c.Speed * (*plan.Utc - plan.Dr.DrUtc) / 3600;
        GeographicLib::Rhumb::WGS84().Direct(c.Lat, c.Lon, c.Course, miles * 1852, lat, lon);
        EXPECT_NEAR(plan.DrThen->LatDeg, lat, 1e-7) << c.Name;
        EXPECT_NEAR(std::remainder(plan.DrThen->LonDeg - lon, 360.0), 0, 1e-7) << c.Name;

        std::map<std::string, const obsprep::SkyBody*> listed;
        for (const obsprep::SkyBody& b : plan.Bodies) {
            listed[b.Body] = &b;
            const auto [altitude, azimuth] = seen.at({i, b.Body});
            const double limit = b.Kind == astro::BodyKind::Moon ? 0.3 : 0.2;
            EXPECT_NEAR(b.HcDeg, altitude, limit / ArcminPerDegree) << c.Name << ": " << b.Body;
            // Azimuth as an arc on the sky, which near the zenith a small move turns far.
            const double znArc = std::remainder(b.ZnDeg - azimuth, 360.0) * std::cos(b.HcDeg / 57.29577951308232);
            EXPECT_NEAR(znArc, 0, limit / ArcminPerDegree) << c.Name << ": " << b.Body << " Zn " << b.ZnDeg;
        }
        for (const std::string& body : astro::AlmanacBodies()) {
            if (!seen.count({i, body})) continue;
            const double altitude = seen.at({i, body}).first;
            const bool inside = altitude > obsprep::LowestAltitude + Edge && altitude < obsprep::HighestAltitude - Edge;
            const bool outside =
                altitude < obsprep::LowestAltitude - Edge || altitude > obsprep::HighestAltitude + Edge;
            if (inside || outside) {
                EXPECT_EQ(listed.count(body), inside ? 1u : 0u) << c.Name << ": " << body << " at " << altitude;
            }
        }
        // Brightest first, the Moon before everything; the set spread as its rule says.
        for (std::size_t k = 1; k < plan.Bodies.size(); ++k)
            EXPECT_LE(plan.Bodies[k - 1].Magnitude.value_or(-99), plan.Bodies[k].Magnitude.value_or(-99)) << c.Name;
        ASSERT_EQ(plan.Proposed.size(), 3u) << c.Name;
        EXPECT_LE(obsprep::SpreadError(plan.Proposed), 30.0) << c.Name;
    }
}

// What the astronomy core gives for the Sun's day at one place.
astro::SunDay SunDayAt(double lat, double lon, const timezones::DayBounds& day)
{
    return astro::DayEvents({lat, lon, 0}, static_cast<double>(day.Start), static_cast<double>(day.End),
                            static_cast<double>(day.Start) + 43200)
        .Sun;
}

TEST(PlanningList, TwilightsAreTheAstronomyCoresWhereTheVesselIsThen)
{
    const Case extra[] = {
        {"Shetland, twilight all night", 60.15, -1.15, 0, 0, "00:00:00", "2024-06-21", obsprep::Twilight::Evening,
         nullptr},
        {"Svalbard, polar night", 78.22, 15.65, 90, 10, "00:00:00", "2024-12-21", obsprep::Twilight::Morning, nullptr},
        {"Mid-Pacific at anchor, ZD +10", 20.0, -150.0, 0, 0, "00:00:00", "2026-06-15", obsprep::Twilight::Evening,
         nullptr},
    };
    std::vector<Case> cases(std::begin(Cases), std::end(Cases));
    cases.insert(cases.end(), std::begin(extra), std::end(extra));
    using Pick = double (*)(const std::vector<double>&);
    const Pick first = [](const std::vector<double>& v) { return v.front(); };
    const Pick last = [](const std::vector<double>& v) { return v.back(); };
    for (const Case& c : cases) {
        const obsprep::Plan plan = PlanOf(c);
        EXPECT_EQ(plan.Day.End - plan.Day.Start, 86400) << c.Name;
        EXPECT_EQ(plan.Day.Start,
                  timezones::ParseInstant((std::string(c.Date) + "T00:00:00Z").c_str()) + 3600 * plan.ZoneDifference)
            << c.Name << ": the ship's day is the date in its zone";
        const struct {
            const char* Event;
            std::optional<double> Time;
            std::vector<double> astro::SunDay::*Kind;
            Pick Which;
        } events[] = {
            {"morning nautical", plan.Times.MorningNautical, &astro::SunDay::NauticalDawn, first},
            {"morning civil", plan.Times.MorningCivil, &astro::SunDay::CivilDawn, first},
            {"evening civil", plan.Times.EveningCivil, &astro::SunDay::CivilDusk, last},
            {"evening nautical", plan.Times.EveningNautical, &astro::SunDay::NauticalDusk, last},
        };
        for (const auto& e : events) {
            if (!e.Time) {
                const obsprep::Place noon = obsprep::DrAt(plan.Dr, static_cast<double>(plan.Day.Start) + 43200);
                EXPECT_TRUE((SunDayAt(noon.LatDeg, noon.LonDeg, plan.Day).*e.Kind).empty())
                    << c.Name << ", " << e.Event;
                continue;
            }
            const obsprep::Place there = obsprep::DrAt(plan.Dr, *e.Time);
            const std::vector<double> found = SunDayAt(there.LatDeg, there.LonDeg, plan.Day).*e.Kind;
            ASSERT_FALSE(found.empty()) << c.Name << ", " << e.Event;
            EXPECT_NEAR(*e.Time, e.Which(found), c.Speed == 0 ? 1e-6 : 0.5) << c.Name << ", " << e.Event;
        }
        ASSERT_TRUE(plan.Times.MeridianPassage.has_value()) << c.Name;
        const obsprep::Place noon = obsprep::DrAt(plan.Dr, *plan.Times.MeridianPassage);
        EXPECT_NEAR(*plan.Times.MeridianPassage,
                    SunDayAt(noon.LatDeg, noon.LonDeg, plan.Day).MeridianPassages.front().Utc, 0.5)
            << c.Name;
        // The list's default time is the middle of nautical twilight, where there is one.
        const auto& nautical =
            c.When == obsprep::Twilight::Morning ? plan.Times.MorningNautical : plan.Times.EveningNautical;
        const auto& civil = c.When == obsprep::Twilight::Morning ? plan.Times.MorningCivil : plan.Times.EveningCivil;
        if (!c.Time) {
            EXPECT_EQ(plan.AtTwilight, nautical && civil) << c.Name;
            if (nautical && civil) {
                EXPECT_NEAR(*plan.Utc, (*nautical + *civil) / 2, 0.5) << c.Name;
            } else {
                EXPECT_FALSE(plan.Utc.has_value()) << c.Name;
            }
        }
    }
}

} // namespace
