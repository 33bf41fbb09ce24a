// solara --json held against PyEphem (Debian's python3-ephem) and Python's
// zoneinfo, doing the same work with the same conventions: the events of
// each local day, present in one exactly where present in the other, the
// Sun's within 30 s, the Moon's within 60 s, the local offsets written the
// same, over places of both hemispheres, the equator, 60 to 70 degrees on
// the days polar day and night begin and end, across 180 degrees and on the
// days the clocks change.
#include "astro/time_scales.h"
#include "solara/core/command_line.h"

#include "program_output.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

struct Case {
    const char* Name;
    double Lat, Lon, Height;
    const char* Zone;
    const char* Date;
    int Days;
};

const Case Cases[] = {
    {"Plymouth, the clocks go forward", 50.37, -4.14, 10, "Europe/London", "2026-03-29", 1},
    {"Plymouth, the clocks go back", 50.37, -4.14, 10, "Europe/London", "2026-10-25", 1},
    {"Plymouth, a day without moonrise", 50.37, -4.14, 10, "Europe/London", "2026-11-30", 3},
    {"Plymouth, without moonset and meridian passage", 50.37, -4.14, 0, "Europe/London", "2026-12-17", 1},
    {"Plymouth, no Moon's meridian passage", 50.37, -4.14, 0, "UTC", "2026-12-23", 1},
    {"Boston, 1980", 42.36, -71.06, 5, "America/New_York", "1980-07-04", 1},
    {"New York, the clocks go forward", 40.69, -74.04, 15, "America/New_York", "2026-03-08", 1},
    {"Sydney, the clocks go back", -33.86, 151.21, 20, "Australia/Sydney", "2026-04-05", 1},
    {"Sydney, the clocks go forward", -33.86, 151.21, 20, "Australia/Sydney", "2026-10-04", 1},
    {"Cape Town, midsummer", -33.92, 18.42, 15, "Africa/Johannesburg", "2024-12-21", 1},
    {"Cape Horn, midwinter", -55.98, -67.27, 30, "ZT", "2025-06-21", 1},
    {"Mid-Atlantic, ZD +3", 30.0, -40.0, 25, "ZT", "2025-03-29", 1},
    {"Honolulu", 21.3, -157.86, 30, "Pacific/Honolulu", "2025-07-04", 1},
    {"Equator, 80 W", 0.0, -80.0, 0, "UTC", "2024-09-22", 1},
    {"Singapore Strait", 1.29, 103.85, 12, "Asia/Singapore", "2025-01-15", 1},
    {"Mumbai, half an hour", 18.94, 72.84, 8, "Asia/Kolkata", "2026-01-15", 1},
    {"Fiji, ZD -12", -18.14, 178.44, 10, "ZT", "2024-03-01", 1},
    {"The date line, ZD +12", 0.0, 180.0, 10, "ZT", "2026-06-15", 2},
    {"Samoa", -13.83, -171.76, 10, "Pacific/Apia", "2024-03-01", 1},
    {"Chukotka, midwinter", 64.73, 177.5, 10, "ZT", "2024-12-21", 1},
    {"Lerwick, twilight all night", 60.15, -1.15, 10, "Europe/London", "2024-06-21", 1},
    {"Lerwick, midwinter", 60.15, -1.15, 10, "Europe/London", "2024-12-21", 1},
    {"Reykjavik, midsummer", 64.15, -21.94, 10, "Atlantic/Reykjavik", "2024-06-21", 1},
    {"Tromso, polar day", 69.65, 18.96, 10, "Europe/Oslo", "2024-06-21", 1},
    {"Tromso, polar night", 69.65, 18.96, 10, "Europe/Oslo", "2024-12-21", 1},
    {"Tromso, polar day begins", 69.65, 18.96, 10, "Europe/Oslo", "2024-05-18", 3},
    {"Tromso, polar day ends", 69.65, 18.96, 10, "Europe/Oslo", "2024-07-24", 2},
    {"Tromso, polar night begins", 69.65, 18.96, 10, "Europe/Oslo", "2024-11-26", 2},
    {"Tromso, polar night ends", 69.65, 18.96, 10, "Europe/Oslo", "2025-01-15", 2},
    {"Hammerfest, two moonsets", 70.66, 23.68, 10, "ZT", "2025-06-07", 1},
    {"Hammerfest, two moonrises", 70.66, 23.68, 10, "ZT", "2025-06-19", 1},
    {"Hammerfest, the Moon grazing the horizon", 70.66, 23.68, 10, "ZT", "2025-02-19", 1},
    {"Ross Sea, midsummer", -77.85, 166.67, 10, "Antarctica/McMurdo", "2024-12-21", 1},
    {"Antarctic circle, midwinter", -66.3, 140.0, 10, "ZT", "2024-06-21", 1},
    {"Greenwich, the first day", 51.48, 0.0, 0, "UTC", "1900-01-01", 1},
    {"Wellington, the last day", -41.29, 174.78, 5, "Pacific/Auckland", "2100-12-31", 1},
};

constexpr double MaxElongationRate = 15.5 / 86400.0; // degrees a second
constexpr double MaxFractionRate = 1.4e-6;           // a second, at quarter moon

const char* const SunKinds[] = {"astronomical_dawn", "nautical_dawn", "civil_dawn", "rise", "transit", "set",
                                "civil_dusk", "nautical_dusk", "astronomical_dusk"};

std::string Number(double x)
{
    std::ostringstream s;
    s.precision(17);
    s << x;
    return s.str();
}

// PyEphem's answers, asked once: for (case, day) the lines of each kind.
using Answer = std::map<std::string, std::vector<std::vector<std::string>>>;
const std::map<std::pair<int, int>, Answer>& Reference()
{
    static const std::map<std::pair<int, int>, Answer> answers = [] {
        std::string requests;
        for (std::size_t i = 0; i < std::size(Cases); ++i) {
            const Case& c = Cases[i];
            requests += "case " + std::to_string(i) + ' ' + Number(c.Lat) + ' ' + Number(c.Lon) + ' ' +
                        Number(c.Height) + ' ' + c.Zone + ' ' + c.Date + ' ' + std::to_string(c.Days) + '\n';
        }
        // Words, digits, signs, slashes and points only: safe in single quotes.
        const std::string out = testsupport::ProgramOutput("printf '%s' '" + requests + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR
                                                           "/tests/solara/pyephem_days.py");
        std::map<std::pair<int, int>, Answer> parsed;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::string kind;
            int id = 0, day = 0;
            words >> kind >> id >> day;
            std::vector<std::string> rest;
            for (std::string w; words >> w;)
                rest.push_back(w);
            parsed[{id, day}][kind].push_back(rest);
        }
        return parsed;
    }();
    return answers;
}

QJsonObject Json(const std::vector<std::string>& arguments)
{
    std::string out, err;
    EXPECT_EQ(solara::RunCommandLine(arguments, out, err), 0) << err;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
    return document.object();
}

double Instant(const QString& iso)
{
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODate);
    EXPECT_TRUE(t.isValid()) << iso.toStdString();
    return static_cast<double>(t.toSecsSinceEpoch());
}

// The offset a TIME is written with: "+01:00".
std::string Offset(const QString& iso)
{
    return iso.right(6).toStdString();
}

TEST(SolaraJson, EventsAgreeWithPyEphemDayByDay)
{
    double worstSun = 0, worstMoon = 0, worstAltitude = 0, worstFraction = 0, worstAge = 0, worstPhase = 0;
    for (std::size_t i = 0; i < std::size(Cases); ++i) {
        const Case& c = Cases[i];
        const QJsonObject json = Json({"--json", "--zone", c.Zone, "--height-of-eye", Number(c.Height), "--days",
                                       std::to_string(c.Days), Number(c.Lat) + ' ' + Number(c.Lon), c.Date});
        const QJsonArray days = json["days"].toArray();
        ASSERT_EQ(days.size(), c.Days) << c.Name;
        for (int d = 0; d < c.Days; ++d) {
            SCOPED_TRACE(std::string(c.Name) + ", day " + std::to_string(d));
            const Answer& theirs = Reference().at({static_cast<int>(i), d});
            const QJsonObject day = days[d].toObject(), sun = day["sun"].toObject(), moon = day["moon"].toObject();
            EXPECT_EQ(day["date"].toString().toStdString(), theirs.at("day")[0][0]);
            // Where PyEphem's Delta T (its extrapolation past the last leap
            // second) and ours differ, the Moon's phase at an instant of UTC
            // and the phases' instants differ with them.
            const auto& noon = theirs.at("moon")[0];
            const astro::TimeArgument scales = astro::TimeFromUtc(Instant(day["date"].toString() + QStringLiteral("T12:00:00Z")));
            const double deltaT = std::fabs((scales.Tt - scales.Ut1) * 86400.0 - std::stod(noon[3]));
            std::map<std::string, std::vector<std::string>> first;
            for (const auto& line : theirs.count("first") ? theirs.at("first") : std::vector<std::vector<std::string>>{})
                first[line[0]] = line;
            for (const char* kind : SunKinds) {
                const QJsonValue ours = sun[kind];
                ASSERT_EQ(ours.isNull(), !first.count(kind)) << kind;
                if (ours.isNull())
                    continue;
                const double apart = std::fabs(Instant(ours.toString()) - std::stod(first[kind][2]));
                EXPECT_LT(apart, 30.0) << kind;
                EXPECT_EQ(Offset(ours.toString()), first[kind][1].substr(first[kind][1].size() - 6)) << kind;
                // The day's own date: an event belongs to the day its time falls on.
                EXPECT_EQ(ours.toString().left(10), day["date"].toString()) << kind;
                worstSun = std::max(worstSun, apart);
            }
            EXPECT_EQ(sun["state"].toString().toStdString(), theirs.at("state")[0][0]);
            EXPECT_EQ(day["day_length"].isNull(), sun["state"].toString() != QStringLiteral("normal"));
            if (theirs.count("transit_alt")) {
                const double apart = std::fabs(sun["transit_altitude_deg"].toDouble() - std::stod(theirs.at("transit_alt")[0][0]));
                EXPECT_LT(apart * 60.0, 0.1) << "the Sun's meridian altitude (minutes)";
                worstAltitude = std::max(worstAltitude, apart * 60.0);
            }

            // The Moon's events and the principal phases, every one.
            std::map<std::string, std::vector<QString>> ourLists = {
                {"moon_rise", {}}, {"moon_set", {}}, {"moon_transit", {}}, {"new", {}}, {"first_quarter", {}},
                {"full", {}}, {"last_quarter", {}}};
            for (const auto& [key, kind] : {std::pair{"rise", "moon_rise"}, {"set", "moon_set"}, {"transit", "moon_transit"}})
                for (const QJsonValue t : moon[key].toArray())
                    ourLists[kind].push_back(t.toString());
            for (const QJsonValue p : day["phases"].toArray())
                ourLists[p.toObject()["kind"].toString().toStdString()].push_back(p.toObject()["time"].toString());
            std::map<std::string, std::vector<std::vector<std::string>>> theirLists;
            for (const auto& line : theirs.count("all") ? theirs.at("all") : std::vector<std::vector<std::string>>{})
                theirLists[line[0]].push_back(line);
            for (const auto& [kind, times] : ourLists) {
                ASSERT_EQ(times.size(), theirLists[kind].size()) << kind;
                for (std::size_t k = 0; k < times.size(); ++k) {
                    const double apart = std::fabs(Instant(times[k]) - std::stod(theirLists[kind][k][2]));
                    EXPECT_LT(apart, kind.starts_with("moon") ? 60.0 : 30.0 + deltaT) << kind;
                    EXPECT_EQ(Offset(times[k]), theirLists[kind][k][1].substr(theirLists[kind][k][1].size() - 6)) << kind;
                    if (kind.starts_with("moon"))
                        worstMoon = std::max(worstMoon, apart);
                }
            }
            const double fraction = std::fabs(moon["illuminated"].toDouble() - std::stod(noon[0]));
            const double age = std::fabs(moon["age_days"].toDouble() - std::stod(noon[1]));
            const double phase = std::fabs(std::remainder(moon["phase_deg"].toDouble() - std::stod(noon[2]), 360.0));
            EXPECT_LT(fraction, 0.002 + deltaT * MaxFractionRate);
            EXPECT_LT(age, 0.001 + deltaT / 86400.0);
            EXPECT_LT(phase, 0.01 + deltaT * MaxElongationRate);
            EXPECT_GE(moon["phase_deg"].toDouble(), 0.0);
            EXPECT_LT(moon["phase_deg"].toDouble(), 360.0);
            worstFraction = std::max(worstFraction, fraction);
            worstAge = std::max(worstAge, age);
            worstPhase = std::max(worstPhase, phase);
        }
    }
    std::printf("solara --json against PyEphem: Sun %.1f s, Moon %.1f s, meridian altitude %.3f', illuminated %.5f, "
                "age %.5f d, phase %.4f deg\n",
                worstSun, worstMoon, worstAltitude, worstFraction, worstAge, worstPhase);
}

} // namespace
