// solara's command line as scripts meet it: the JSON's keys and their
// order, nulls and empty lists, an event written 00:00:00 on the day it
// begins, the zones' names and offsets, the plain texts, and the refusals.
#include "solara/core/almanac.h"
#include "solara/core/command_line.h"

#include "astro/events.h"
#include "timezones/zone.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

const std::string Usage =
    "usage: solara [--json] [--zone UTC|ZT|AREA/CITY] [--height-of-eye M] [--days N] POSITION DATE\n";

std::string Solara(const std::vector<std::string>& arguments, int expected = 0)
{
    std::string out, err;
    EXPECT_EQ(solara::RunCommandLine(arguments, out, err), expected) << err;
    return expected == 0 ? out : err;
}

QJsonObject Json(const std::vector<std::string>& arguments)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(Solara(arguments))).object();
}

TEST(SolaraCommandLine, JsonKeysInTheirOrder)
{
    const std::string out = Solara({"--json", "--zone", "Europe/London", "50.37 -4.14", "2026-12-09"});
    std::vector<std::string> keys;
    const std::regex key("\"([a-z_]+)\": ");
    for (auto it = std::sregex_iterator(out.begin(), out.end(), key); it != std::sregex_iterator(); ++it)
        keys.push_back((*it)[1]);
    const std::vector<std::string> expected = {
        "zone", "days", "date", "sun", "astronomical_dawn", "nautical_dawn", "civil_dawn", "rise", "transit", "set",
        "civil_dusk", "nautical_dusk", "astronomical_dusk", "transit_altitude_deg", "state", "moon", "rise", "transit",
        "set", "illuminated", "age_days", "phase_deg", "day_length", "phases", "kind", "time"};
    EXPECT_EQ(keys, expected) << out; // the new moon of 2026-12-09 is the day's one phase
    const QJsonObject day = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object()["days"].toArray()[0].toObject();
    const std::regex time(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)");
    EXPECT_TRUE(std::regex_match(day["sun"].toObject()["rise"].toString().toStdString(), time));
    EXPECT_TRUE(std::regex_match(day["day_length"].toString().toStdString(), std::regex(R"(\d\d:\d\d:\d\d)")));
    EXPECT_EQ(day["phases"].toArray()[0].toObject()["kind"].toString(), QStringLiteral("new"));
}

TEST(SolaraCommandLine, ZonesByNameAndOffset)
{
    const struct {
        const char *Zone, *Position;
        const char *Name, *Offset; // "zone", and the offset of the day's sunrise
    } cases[] = {
        {"UTC", "50.37 -4.14", "UTC", "+00:00"},
        {"ZT", "45 7.5", "ZD -1", "+01:00"},   // midway goes away from Greenwich
        {"ZT", "45 7.4", "ZD 0", "+00:00"},
        {"ZT", "45 -7.5", "ZD +1", "-01:00"},
        {"ZT", "0 180", "ZD +12", "-12:00"},
        {"ZT", "0 179.9", "ZD -12", "+12:00"},
        {":America/New_York", "40.69 -74.04", "America/New_York", "-05:00"},
        {"Asia/Kathmandu", "27.7 85.3", "Asia/Kathmandu", "+05:45"},
    };
    for (const auto& c : cases) {
        const QJsonObject json = Json({"--json", "--zone", c.Zone, c.Position, "2026-01-15"});
        EXPECT_EQ(json["zone"].toString().toStdString(), c.Name) << c.Zone << " " << c.Position;
        const QString rise = json["days"].toArray()[0].toObject()["sun"].toObject()["rise"].toString();
        EXPECT_EQ(rise.right(6).toStdString(), c.Offset) << c.Zone << " " << c.Position;
    }
}

constexpr double Midnight = 1781481600.0; // 2026-06-15T00:00:00Z

// The Sun's meridian passage nearest to midnight at longitude `lon`, on the equator (UTC seconds).
double PassageNearMidnight(double lon)
{
    const astro::AltitudeCourse course = astro::CourseAround(astro::Body::Sun, {0.0, lon, 0.0}, Midnight, Midnight + 1);
    double nearest = 0;
    for (const astro::MeridianPassage& p : course.Passages)
        if (p.Upper && (nearest == 0 || std::fabs(p.Utc - Midnight) < std::fabs(nearest - Midnight)))
            nearest = p.Utc;
    return nearest;
}

TEST(SolaraCommandLine, AnEventWrittenAtMidnightBelongsToTheDayItBegins)
{
    for (const double after : {0.2, -0.4}) {
        // The longitude near 180 whose meridian passage falls `after` seconds from midnight.
        double east = 181.0, west = 179.0; // the passage comes earlier the farther east
        while (east - west > 1e-10)
            (PassageNearMidnight((east + west) / 2) < Midnight + after ? east : west) = (east + west) / 2;
        ASSERT_NEAR(PassageNearMidnight(west), Midnight + after, 0.05);
        std::ostringstream position;
        position.precision(15);
        position << "0 " << std::remainder(west, 360.0);
        const QJsonArray days = Json({"--json", "--days", "2", position.str(), "2026-06-14"})["days"].toArray();
        const QJsonObject before = days[0].toObject()["sun"].toObject(), on = days[1].toObject()["sun"].toObject();
        EXPECT_TRUE(before["transit"].isNull()) << after << ": " << before["transit"].toString().toStdString();
        EXPECT_TRUE(before["transit_altitude_deg"].isNull()) << after;
        EXPECT_EQ(on["transit"].toString(), QStringLiteral("2026-06-15T00:00:00+00:00")) << after;
        const std::string plain = Solara({"--days", "2", position.str(), "2026-06-14"});
        EXPECT_NE(plain.find("Sun's meridian passage: no meridian passage\n"), std::string::npos) << plain;
        EXPECT_NE(plain.find("Sun's meridian passage: 00:00:00\n"), std::string::npos) << plain;
    }
}

TEST(SolaraCommandLine, PlainTextsOnTheDaysTheClocksChange)
{
    // Each time with its offset, so that 01:30 before and after the change are told apart.
    const std::string spring = Solara({"--zone", "Europe/London", "--height-of-eye", "10", "50.37 -4.14", "2026-03-29"});
    EXPECT_EQ(spring.substr(0, 42), "Time zone: Europe/London\nDate: 2026-03-29\n") << spring;
    EXPECT_NE(spring.find("Sunrise: 06:59:07 +01:00\n"), std::string::npos) << spring;
    EXPECT_NE(spring.find("Sun's meridian altitude: 43\xC2\xB0" "07.5'\n"), std::string::npos) << spring;
    EXPECT_NE(spring.find("Length of day: 12:45:21\n"), std::string::npos) << spring;
    const std::string autumn = Solara({"--zone", "Europe/London", "50.37 -4.14", "2026-10-25"});
    EXPECT_NE(autumn.find(" +00:00\n"), std::string::npos) << autumn;
    EXPECT_EQ(autumn.find(" +01:00\n"), std::string::npos) << "every event of the day is after 01:00 UTC: " << autumn;
    EXPECT_EQ(Solara({"--zone", "Europe/London", "50.37 -4.14", "2026-10-26"}).find(" +00:00"), std::string::npos);
    const std::string polar = Solara({"69.65 18.96", "2024-06-21"});
    EXPECT_NE(polar.find("Length of day: Sun above the horizon all day\n"), std::string::npos) << polar;
    EXPECT_NE(Solara({"60.15 -1.15", "2024-06-21"}).find("Daylight: Twilight all night\n"), std::string::npos);
    // The day Samoa skipped is none of the three from the day before.
    const std::string samoa = Solara({"--days", "3", "--zone", "Pacific/Apia", "-13.83 -171.76", "2011-12-29"});
    EXPECT_NE(samoa.find("\nDate: 2011-12-31\n"), std::string::npos);
    EXPECT_EQ(samoa.find("Date: 2011-12-30"), std::string::npos) << samoa;
    // Three days, one after the other, each under its date.
    const std::string three = Solara({"--days", "3", "50.37 -4.14", "2026-12-31"});
    EXPECT_NE(three.find("\n\nDate: 2027-01-02\n"), std::string::npos) << three;
}

TEST(SolaraCommandLine, RefusesWhatItCannotTakeSayingWhy)
{
    const struct {
        std::vector<std::string> Arguments;
        const char* Reason;
    } cases[] = {
        {{}, "a position and a date, please: POSITION DATE"},
        {{"--days", "0", "50 -4", "2026-01-01"}, "--days takes a whole number of days from 1 to 366, not '0'"},
        {{"--days", "367", "50 -4", "2026-01-01"}, "--days takes a whole number of days from 1 to 366, not '367'"},
        {{"--days", "2", "50 -4", "2100-12-31"}, "The days must end by 2100-12-31"},
        {{"--height-of-eye", "101", "50 -4", "2026-01-01"}, "The height of eye must be a number of metres from 0 to 100"},
        {{"--height-of-eye", "1e1", "50 -4", "2026-01-01"}, "The height of eye must be a number of metres from 0 to 100"},
        {{"--zone", "Mars/Olympus", "50 -4", "2026-01-01"}, "There is no time zone Mars/Olympus in /usr/share/zoneinfo"},
        {{"--zone", "../etc", "50 -4", "2026-01-01"},
         "'../etc' is not a time zone: give UTC, ZT or a name such as Europe/London"},
        {{"50 -4", "2026-02-29"}, "'2026-02-29' is not a date: February 2026 has 28 days"},
        {{"50 -4", "2101-01-01"}, "The date must lie between 1900-01-01 and 2100-12-31"},
        {{"--zone", "ZT", "50 150", "1900-01-01"},
         "1900-01-01 in ZD -10 reaches outside the years 1900 to 2100 of UTC that the almanac covers"},
        {{"91 0", "2026-01-01"}, "'91 0' is off the globe (latitude -90..90, longitude -180..180)"},
        {{"--zone", "Pacific/Apia", "-13.83 -171.76", "2011-12-30"},
         "2011-12-30 does not exist in Pacific/Apia: its clocks skipped the whole day"},
        {{"--year", "50 -4", "2026-01-01"}, "unknown option '--year'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Solara(c.Arguments, 2), std::string("solara: ") + c.Reason + "\n" + Usage);
}

// The manual page's text as man shows it: roff's escapes undone.
std::string Unroff(std::string line)
{
    const std::pair<std::string, std::string> escapes[] = {{"\\-", "-"}, {"\\(de", "\xC2\xB0"}, {"\\(dq", "\""},
                                                           {"\\&", ""}, {"\\e", "\\"}};
    for (const auto& [escape, text] : escapes)
        for (std::size_t at; (at = line.find(escape)) != std::string::npos;)
            line.replace(at, escape.size(), text);
    return line;
}

// A command line as the shell splits it: words, or double-quoted texts.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        const bool quoted = line[i] == '"';
        const std::size_t end = quoted ? line.find('"', i + 1) : line.find(' ', i);
        words.push_back(line.substr(i + quoted, (end == std::string::npos ? line.size() : end) - i - quoted));
        i = end == std::string::npos ? line.size() : end + 1;
    }
    return words;
}

TEST(SolaraCommandLine, TheManualPagesExamplesPrintWhatItSays)
{
    std::ifstream page(VORLAN_SOURCE_DIR "/packaging/man/solara.1");
    ASSERT_TRUE(page) << "no manual page";
    int examples = 0;
    for (std::string line; std::getline(page, line);) {
        if (line != ".EX")
            continue;
        std::getline(page, line);
        const std::vector<std::string> words = Words(Unroff(line));
        ASSERT_GE(words.size(), 2u);
        ASSERT_EQ(words[0], "$");
        ASSERT_EQ(words[1], "solara");
        std::string shown;
        while (std::getline(page, line) && line != ".EE")
            shown += Unroff(line) + "\n";
        EXPECT_EQ(Solara({words.begin() + 2, words.end()}), shown);
        ++examples;
    }
    EXPECT_GT(examples, 0);
}

} // namespace
