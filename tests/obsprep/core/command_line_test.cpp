// obsprep's command line as scripts meet it: the JSON's keys in their
// order, nulls where a day has no twilight, and the refusals with status 2.
// Its plain texts are the window's (held there) and the manual page's.
#include "obsprep/core/command_line.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <regex>

namespace {

const std::string Plymouth = "50.37 -4.14", Date = "2026-12-09";

std::string Obsprep(const std::vector<std::string>& arguments, int expected = 0)
{
    std::string out, err;
    EXPECT_EQ(obsprep::RunCommandLine(arguments, out, err), expected) << err;
    return expected == 0 ? out : err;
}

QJsonObject Json(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "--json");
    return QJsonDocument::fromJson(QByteArray::fromStdString(Obsprep(arguments))).object();
}

std::vector<std::string> KeysOf(const std::string& text)
{
    std::vector<std::string> keys;
    const std::regex key("\"([a-z_]+)\": ");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), key); it != std::sregex_iterator(); ++it)
        keys.push_back((*it)[1]);
    return keys;
}

TEST(ObsprepCommandLine, JsonKeysInTheirOrderAndNullsWhereTheDayHasNoTwilight)
{
    const std::string out = Obsprep({"--json", "--time", "2026-12-09T18:30:00Z", Plymouth, Date});
    std::vector<std::string> expected = {"date",
                                         "zone_difference",
                                         "morning_nautical_twilight",
                                         "morning_civil_twilight",
                                         "meridian_passage",
                                         "evening_civil_twilight",
                                         "evening_nautical_twilight",
                                         "time",
                                         "time_is_twilight",
                                         "dr_latitude_deg",
                                         "dr_longitude_deg",
                                         "bodies"};
    const QJsonObject plan = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    const QJsonArray bodies = plan["bodies"].toArray();
    ASSERT_GE(bodies.size(), 10);
    for (qsizetype i = 0; i < bodies.size(); ++i)
        expected.insert(expected.end(), {"body", "hc_deg", "zn_deg", "magnitude"});
    expected.push_back("proposed");
    EXPECT_EQ(KeysOf(out), expected) << out;
    const std::regex time(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
    EXPECT_TRUE(std::regex_match(plan["evening_civil_twilight"].toString().toStdString(), time));
    EXPECT_EQ(plan["time"].toString(), QStringLiteral("2026-12-09T18:30:00Z"));
    EXPECT_FALSE(plan["time_is_twilight"].toBool());
    EXPECT_EQ(plan["proposed"].toArray().size(), 3);

    // Midsummer in Shetland: the Sun never gets down to -12 degrees, so the
    // list has no time of its own; in Svalbard's polar night it never gets up to -6.
    const QJsonObject shetland = Json({"60.15 -1.15", "2024-06-21"});
    EXPECT_TRUE(shetland["evening_nautical_twilight"].isNull());
    EXPECT_FALSE(shetland["evening_civil_twilight"].isNull());
    for (const char* key : {"time", "dr_latitude_deg", "dr_longitude_deg"})
        EXPECT_TRUE(shetland[key].isNull()) << key;
    EXPECT_TRUE(shetland["bodies"].toArray().isEmpty());
    EXPECT_TRUE(shetland["proposed"].toArray().isEmpty());
    const QJsonObject svalbard = Json({"78.22 15.65", "2024-12-21"});
    EXPECT_TRUE(svalbard["evening_civil_twilight"].isNull());
    EXPECT_FALSE(svalbard["evening_nautical_twilight"].isNull());
    EXPECT_EQ(svalbard["zone_difference"].toInt(), -1);
}

TEST(ObsprepCommandLine, RefusalsNameWhatIsWrong)
{
    const std::string usage =
        "usage: obsprep [--json] [--time TIME] [--dr-time HH:MM[:SS]] [--course DEG] [--speed KN] "
        "[--twilight morning|evening] [--order brightness|azimuth] [--stars 3|5] [--format DM.dd|DMS|DMS.sss] "
        "POSITION DATE\n";
    const struct {
        std::vector<std::string> Arguments;
        const char* Message;
    } cases[] = {
        {{Plymouth}, "a DR position and a date, please: POSITION DATE"},
        {{Plymouth, Date, "extra"}, "a DR position and a date, please: POSITION DATE"},
        {{"91 0", Date}, "'91 0' is off the globe (latitude -90..90, longitude -180..180)"},
        {{Plymouth, "2026-02-30"}, "'2026-02-30' is not a date: February 2026 has 28 days"},
        {{Plymouth, "2101-01-01"}, "The date must lie between 1900-01-01 and 2100-12-31"},
        {{"--time", "2026-12-09", Plymouth, Date},
         "'2026-12-09' is not an instant: write it as YYYY-MM-DDThh:mm[:ss[.fff]] and Z or an offset such as +01:00"},
        {{"--time", "2026-12-13T18:00:00Z", Plymouth, Date},
         "The time 2026-12-13T18:00:00Z lies more than two days from the DR's; plan from a DR of that day"},
        {{"--course", "400", Plymouth, Date}, "The course must lie between 0 and 359.9°, not 400°"},
        {{"--course", "abc", Plymouth, Date}, "The course 'abc' is not a number"},
        {{"--speed", "-1", Plymouth, Date}, "The speed must lie between 0 and 60 knots, not -1 kn"},
        {{"--twilight", "noon", Plymouth, Date}, "--twilight takes morning|evening, not 'noon'"},
        {{"--order", "name", Plymouth, Date}, "--order takes brightness|azimuth, not 'name'"},
        {{"--stars", "4", Plymouth, Date}, "--stars takes 3|5, not '4'"},
        {{"--dr-time", "25:00", Plymouth, Date}, "--dr-time takes a time of day, 00:00:00 to 23:59:59, not '25:00'"},
        {{"--dr-time", "7:30", Plymouth, Date}, "--dr-time takes a time of day, 00:00:00 to 23:59:59, not '7:30'"},
        {{"--speed", "60", "89.9 0", Date}, "The DR's run to 2026-12-09T12:00:00Z passes a pole"},
        {{"--time", "2101-01-01T01:00:00Z", Plymouth, "2100-12-31"},
         "Dates before 1900 or after 2100 are not supported"},
        {{"--bearing", "10", Plymouth, Date}, "unknown option '--bearing'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Obsprep(c.Arguments, 2), "obsprep: " + std::string(c.Message) + "\n" + usage);
}

} // namespace
