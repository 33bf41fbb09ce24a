#include "pyephem.h"

#include "program_output.h"

#include <erfa.h>

#include <cmath>
#include <sstream>

namespace astrotest {

const std::vector<EventCase> EventCases = {
    // Temperate latitudes, both hemispheres, the equinox and the solstices.
    {"Plymouth, equinox", 50.37, -4.14, 10, 2024, 3, 20, 0},
    {"Plymouth, midsummer", 50.37, -4.14, 10, 2024, 6, 21, 1},
    {"Plymouth, midwinter", 50.37, -4.14, 10, 2024, 12, 21, 0},
    {"Boston, 1980", 42.36, -71.06, 5, 1980, 7, 4, -4},
    {"Greenwich, 2000", 51.48, 0.0, 0, 2000, 1, 1, 0},
    {"Greenwich, the first day supported", 51.48, 0.0, 0, 1900, 1, 1, 0},
    {"Wellington, the last day supported", -41.29, 174.78, 5, 2100, 12, 31, 12},
    {"Sydney, June", -33.86, 151.21, 20, 2024, 6, 21, 10},
    {"Cape Town, December", -33.92, 18.42, 15, 2024, 12, 21, 2},
    {"Cape Horn, June", -55.98, -67.27, 30, 2025, 6, 21, -4},
    {"Mid-Atlantic", 30.0, -40.0, 25, 2025, 3, 29, -3},
    {"Honolulu, bridge of 30 m", 21.3, -157.86, 30, 2025, 7, 4, -10},
    // The equator.
    {"Equator, 80 W", 0.0, -80.0, 0, 2024, 9, 22, -5},
    {"Singapore Strait", 1.29, 103.85, 12, 2025, 1, 15, 8},
    // Across 180 degrees.
    {"Fiji", -18.14, 178.44, 10, 2024, 3, 1, 12},
    {"Samoa", -13.83, -171.76, 10, 2024, 3, 1, 13},
    {"Chukotka, midwinter", 64.73, 177.5, 10, 2024, 12, 21, 12},
    // 60 to 70 degrees: twilight all night, polar day and night, the days they begin and end.
    {"Lerwick, midsummer", 60.15, -1.15, 10, 2024, 6, 21, 1},
    {"Lerwick, midwinter", 60.15, -1.15, 10, 2024, 12, 21, 0},
    {"Reykjavik, midsummer", 64.15, -21.94, 10, 2024, 6, 21, 0},
    {"Reykjavik, midwinter", 64.15, -21.94, 10, 2024, 12, 21, 0},
    {"Gulf of Alaska, midsummer", 61.2, -149.9, 10, 2024, 6, 21, -8},
    {"Tromso, midsummer", 69.65, 18.96, 10, 2024, 6, 21, 2},
    {"Tromso, midwinter", 69.65, 18.96, 10, 2024, 12, 21, 1},
    {"Tromso, May 18", 69.65, 18.96, 10, 2024, 5, 18, 2},
    {"Tromso, May 19", 69.65, 18.96, 10, 2024, 5, 19, 2},
    {"Tromso, May 20", 69.65, 18.96, 10, 2024, 5, 20, 2},
    {"Tromso, July 24", 69.65, 18.96, 10, 2024, 7, 24, 2},
    {"Tromso, July 25", 69.65, 18.96, 10, 2024, 7, 25, 2},
    {"Tromso, November 26", 69.65, 18.96, 10, 2024, 11, 26, 1},
    {"Tromso, November 27", 69.65, 18.96, 10, 2024, 11, 27, 1},
    {"Tromso, January 15", 69.65, 18.96, 10, 2025, 1, 15, 1},
    {"Murmansk, May", 68.97, 33.08, 10, 2025, 5, 22, 3},
    {"Hammerfest, midsummer", 70.66, 23.68, 10, 2025, 6, 21, 2},
    {"Hammerfest, lunar standstill", 70.66, 23.68, 10, 2025, 3, 10, 1},
    {"Hammerfest, the Moon grazing the horizon", 70.66, 23.68, 10, 2025, 2, 19, 1},
    {"Hammerfest, the Moon just below it", 70.66, 23.68, 10, 2025, 2, 26, 1},
    {"Hammerfest, the Moon rising, not setting", 70.66, 23.68, 10, 2025, 1, 6, 1},
    // The south: polar day, and the Sun barely rising.
    {"Ross Sea, midsummer", -77.85, 166.67, 10, 2024, 12, 21, 13},
    {"Antarctic circle, midwinter", -66.3, 140.0, 10, 2024, 6, 21, 10},
};

const std::vector<PhaseInterval> PhaseIntervals = {
    {UtcOfDate(1985, 1, 1), UtcOfDate(1985, 7, 1)},
    {UtcOfDate(2024, 1, 1), UtcOfDate(2025, 1, 1)},
};

double UtcOfDate(int year, int month, int day)
{
    double jd0 = 0, jd1 = 0;
    eraCal2jd(year, month, day, &jd0, &jd1);
    return (jd0 - 2440587.5 + jd1) * 86400.0;
}

double DayStart(const EventCase& c)
{
    return UtcOfDate(c.Year, c.Month, c.Day) - c.ZoneHours * 3600.0;
}

std::vector<double> PlaceInstants()
{
    // 40 instants, 1972 to 2026, at every hour of the day.
    const double first = UtcOfDate(1972, 1, 1), last = UtcOfDate(2026, 12, 1);
    std::vector<double> instants;
    for (int k = 0; k < 40; ++k)
        instants.push_back(first + (last - first) * k / 39.0 + std::fmod(k * 7919.0, 86400.0));
    return instants;
}

std::vector<double> MoonPhaseInstants()
{
    return {UtcOfDate(1990, 5, 3) + 3600, UtcOfDate(2024, 3, 20) + 43200, UtcOfDate(2024, 8, 4) + 60000,
            UtcOfDate(2025, 11, 11), UtcOfDate(2026, 2, 17) + 40000};
}

std::vector<double> DeltaTInstants()
{
    std::vector<double> instants;
    for (int year = 1900; year < 1960; year += 4)
        instants.push_back(UtcOfDate(year, 7, 1));
    return instants;
}

namespace {

std::string Requests()
{
    std::ostringstream r;
    r.precision(17);
    const std::vector<double> places = PlaceInstants();
    for (std::size_t i = 0; i < places.size(); ++i)
        r << "place " << i << ' ' << places[i] << '\n' << "almanac " << i << ' ' << places[i] << '\n';
    for (std::size_t i = 0; i < EventCases.size(); ++i) {
        const EventCase& c = EventCases[i];
        r << "day " << i << ' ' << c.Latitude << ' ' << c.Longitude << ' ' << c.Height << ' ' << DayStart(c) << ' '
          << DayStart(c) + 86400.0 << '\n';
    }
    for (std::size_t i = 0; i < PhaseIntervals.size(); ++i)
        r << "phases " << i << ' ' << PhaseIntervals[i].Start << ' ' << PhaseIntervals[i].End << '\n';
    const std::vector<double> moon = MoonPhaseInstants();
    for (std::size_t i = 0; i < moon.size(); ++i)
        r << "moonphase " << i << ' ' << moon[i] << '\n';
    const std::vector<double> deltaT = DeltaTInstants();
    for (std::size_t i = 0; i < deltaT.size(); ++i)
        r << "deltat " << i << ' ' << deltaT[i] << '\n';
    return r.str();
}

using Answers = std::map<std::pair<std::string, int>, Lines>;

Answers Ask()
{
    // The requests hold only words, digits, signs and points: safe inside single quotes.
    const std::string command = "printf '%s' '" + Requests() + "' | /usr/bin/python3 " VORLAN_SOURCE_DIR
                                "/tests/astro/pyephem_reference.py";
    Answers answers;
    std::istringstream lines(testsupport::ProgramOutput(command));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind;
        int id = -1;
        words >> kind >> id;
        std::vector<std::string> rest;
        for (std::string w; words >> w;)
            rest.push_back(w);
        answers[{kind, id}].push_back(rest);
    }
    return answers;
}

} // namespace

const Lines& PyEphem(const std::string& kind, int id)
{
    static const Answers answers = Ask();
    static const Lines none;
    const auto found = answers.find({kind, id});
    return found == answers.end() ? none : found->second;
}

} // namespace astrotest
