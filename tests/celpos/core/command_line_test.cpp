// celpos's command lines as scripts meet them: the keys of --json, the
// plain worksheet, the fix from a file or from sights given one by one,
// every refusal with its message and status 2, and the manual page's
// examples printing what the page says.
#include "celpos/core/command_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

const std::string Sample = VORLAN_SOURCE_DIR "/docs/sample.sights";

struct Output {
    int status;
    std::string out, err;
};
Output Celpos(const std::vector<std::string>& words)
{
    Output o;
    o.status = celpos::RunCommandLine(words, o.out, o.err);
    return o;
}

// The number after `"key": ` in a JSON line.
double Number(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\": ");
    return at == std::string::npos ? NAN : std::stod(json.substr(at + key.size() + 4));
}

TEST(CommandLine, AlmanacGivesEachBodyItsKeys)
{
    const struct {
        const char* typed;
        const char* body; // the almanac's spelling
        bool dec, sha, disc;
    } cases[] = {
        {"Sun", "Sun", true, false, true},      {"moon", "Moon", true, false, true},
        {"Venus", "Venus", true, false, true},  {"ARIES", "Aries", false, false, false},
        {"Sirius", "Sirius", true, true, false}, {"Rigil Kentaurus", "Rigil Kent.", true, true, false},
        {"alnair", "Al Na'ir", true, true, false},
    };
    for (const auto& c : cases) {
        const Output o = Celpos({"almanac", "--json", c.typed, "2026-12-09T18:30:00Z"});
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out.substr(0, o.out.find(',')), std::string("{\"body\": \"") + c.body + "\"") << o.out;
        EXPECT_GE(Number(o.out, "gha_deg"), 0) << o.out;
        EXPECT_EQ(o.out.find("\"dec_deg\": null") == std::string::npos, c.dec) << o.out;
        EXPECT_EQ(o.out.find("\"sha_deg\": null") == std::string::npos, c.sha) << o.out;
        EXPECT_EQ(o.out.find("\"sd_arcmin\": null") == std::string::npos, c.disc) << o.out;
        EXPECT_EQ(o.out.find("\"hp_arcmin\": null") == std::string::npos, c.disc) << o.out;
    }
    // GHA star = GHA Aries + SHA.
    const Output aries = Celpos({"almanac", "--json", "Aries", "2026-12-09T18:30:00Z"});
    const Output sirius = Celpos({"almanac", "--json", "Sirius", "2026-12-09T18:30:00Z"});
    EXPECT_NEAR(std::remainder(Number(aries.out, "gha_deg") + Number(sirius.out, "sha_deg") - Number(sirius.out, "gha_deg"), 360), 0, 1e-9);

    const Output list = Celpos({"almanac", "--list"});
    ASSERT_EQ(list.status, 0);
    EXPECT_TRUE(list.out.starts_with("Sun\nMoon\nVenus\nMars\nJupiter\nSaturn\nAries\nAlpheratz\n")) << list.out;
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 65);
    EXPECT_TRUE(list.out.ends_with("Fomalhaut\nMarkab\nPolaris\n"));
}

TEST(CommandLine, ReduceSignsEachCorrectionAsAddedToHs)
{
    const std::vector<std::string> sun = {"reduce", "--json", "--body", "Sun", "--time", "2026-12-09T12:04:31Z",
                                          "--hs", "15\xC2\xB0" "12.4", "--height-of-eye", "2.5", "--index-error",
                                          "1.2", "50.2 -4.1"};
    const Output lower = Celpos(sun);
    ASSERT_EQ(lower.status, 0) << lower.err;
    const std::string& j = lower.out;
    for (const char* key : {"\"ho_deg\"", "\"hc_deg\"", "\"zn_deg\"", "\"intercept_nm\"", "\"corrections_arcmin\": {\"index\"",
                            "\"dip\"", "\"refraction\"", "\"parallax\"", "\"semi_diameter\""})
        EXPECT_NE(j.find(key), std::string::npos) << key << " in " << j;
    const double sum = Number(j, "index") + Number(j, "dip") + Number(j, "refraction") + Number(j, "parallax") +
                       Number(j, "semi_diameter");
    EXPECT_NEAR(Number(j, "ho_deg"), 15 + 12.4 / 60 + sum / 60, 1e-12);
    EXPECT_EQ(Number(j, "index"), -1.2); // on the arc: taken off
    EXPECT_LT(Number(j, "dip"), 0);
    EXPECT_LT(Number(j, "refraction"), 0);
    EXPECT_GT(Number(j, "semi_diameter"), 15.0); // the lower limb, unless told
    EXPECT_NEAR(Number(j, "intercept_nm"), (Number(j, "ho_deg") - Number(j, "hc_deg")) * 60, 1e-9);
    // Decimal degrees are the same altitude; the upper limb takes the SD off.
    std::vector<std::string> upper = sun;
    upper[7] = "15.206666666666667";
    upper.insert(upper.end() - 1, {"--limb", "upper"});
    const Output u = Celpos(upper);
    ASSERT_EQ(u.status, 0) << u.err;
    EXPECT_NEAR(Number(u.out, "semi_diameter"), -Number(j, "semi_diameter"), 1e-12);
    // The plain output is the worksheet, one correction a line.
    std::vector<std::string> plain = sun;
    plain.erase(plain.begin() + 1);
    const Output worksheet = Celpos(plain);
    EXPECT_NE(worksheet.out.find("Index correction: -1.2'\nDip: -2.8'\nApparent altitude: 15\xC2\xB0" "08.4'\n"), std::string::npos)
        << worksheet.out;
}

TEST(CommandLine, FixFromAFileOrFromSightsGivenOneByOne)
{
    const Output file = Celpos({"fix", "--json", Sample});
    ASSERT_EQ(file.status, 0) << file.err;
    const Output given = Celpos({"fix", "--json", "--dr", "47\xC2\xB0" "34'00 N 008\xC2\xB0" "03'30 W", "--course", "205",
                              "--speed", "8", "--height-of-eye", "12.5", "--temperature", "18", "--pressure", "1021",
                              "--index-error", "-1.2", "--sight", "Schedar,2026-07-17T03:26:00Z,68\xC2\xB0" "38.9",
                              "--sight", "Diphda,2026-07-17T03:30:30Z,19\xC2\xB0" "05.7,centre", "--sight",
                              "Vega,2026-07-17T03:34:10Z,45\xC2\xB0" "53.7"});
    ASSERT_EQ(given.status, 0) << given.err;
    // The second sight given 12' wrong: the same keys, other figures, a warning.
    EXPECT_NE(given.out, file.out);
    EXPECT_NE(given.out.find("' off the fix, more than 2': check it\""), std::string::npos) << given.out;
    EXPECT_NEAR(Number(file.out, "latitude_deg"), 47.5, 0.5 / 60);
    EXPECT_NEAR(Number(file.out, "longitude_deg"), -8.0, 0.5 / 60);
    EXPECT_NE(file.out.find("\"time\": \"2026-07-17T03:34:10Z\", \"residuals_arcmin\": ["), std::string::npos);
    EXPECT_TRUE(file.out.ends_with("\"warnings\": []}\n")) << file.out;

    // The morning Sun run on to noon: --noon makes the last Sun sight the noon sight.
    const std::vector<std::string> day = {"fix", "--dr", "31.9 -54.4", "--course", "318", "--speed", "6",
                                          "--sight", "Sun,2026-03-25T11:46:15Z,26\xC2\xB0" "51.5",
                                          "--sight", "Sun,2026-03-25T15:43:30Z,60\xC2\xB0" "21.0"};
    std::vector<std::string> noon = day;
    noon.push_back("--noon");
    std::vector<std::string> marking = day;
    marking.back() += ",noon";
    const Output withNoon = Celpos(noon), marked = Celpos(marking);
    ASSERT_EQ(withNoon.status, 0) << withNoon.err;
    EXPECT_EQ(withNoon.out, marked.out);
}

TEST(CommandLine, RefusesWithTheReasonAndStatusTwo)
{
    const std::string time = "2026-12-09T12:04:31Z";
    const struct {
        std::vector<std::string> words;
        const char* message;
    } cases[] = {
        {{}, "celpos: a command, please: almanac, reduce or fix\nusage: celpos [FILE.sights]\n"},
        {{"plot"}, "celpos: unknown command 'plot': almanac, reduce or fix"},
        {{"almanac", "Vulcan", time}, "celpos almanac: 'Vulcan' is not a body of the almanac: celpos almanac --list prints the names it takes\nusage: celpos almanac [--json] [--list] [--dut1 SECONDS] BODY TIME\n"},
        {{"almanac", "Sun"}, "a body and a time, please: BODY TIME"},
        {{"almanac", "Sun", "2026-12-09 12:00"}, "celpos almanac: '2026-12-09 12:00'"},
        {{"almanac", "Sun", "1850-01-01T00:00:00Z"}, "celpos almanac: "},
        {{"almanac", "--list", "Sun"}, "--list takes no BODY or TIME"},
        {{"almanac", "--dut1", "2", "Sun", time}, "DUT1 2 s is outside -0.9 to 0.9 s"},
        {{"reduce", "--time", time, "--hs", "30", "50 -4"}, "celpos reduce: the option --body is missing"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "30\xC2\xB0" "61.0", "50 -4"}, "the minutes are 60 or more"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "thirty", "50 -4"}, "'thirty' is not a sextant altitude: write 35\xC2\xB0" "12.4 or 35.2067"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "30", "--limb", "left", "50 -4"}, "'left' is no limb: lower, upper or centre"},
        {{"reduce", "--body", "Vega", "--time", time, "--hs", "30", "--limb", "lower", "50 -4"}, "Vega is a star: it has no lower limb"},
        {{"reduce", "--body", "Aries", "--time", time, "--hs", "30", "50 -4"}, "Aries is a point of the sky, not a body to take a sight of"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "30", "--height-of-eye", "-3", "50 -4"}, "The height of eye -3 m is outside 0 to 1000 m"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "30", "--pressure", "high", "50 -4"}, "--pressure 'high' is not a number"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "30", "95 -4"}, "is off the globe"},
        {{"reduce", "--body", "Sun", "--time", time, "--hs", "0", "--height-of-eye", "1000", "--index-error", "30", "50 -4"}, "is below -1\xC2\xB0: no refraction can be given for it"},
        {{"fix", Sample, "--dr", "50 -4"}, "a sights file holds its own dr: the option --dr is not taken with it"},
        {{"fix"}, "a sights file, or the DR (--dr) and the sights (--sight), please"},
        {{"fix", "--dr", "50 -4", "--sight", "Sun," + time + ",30"}, "celpos fix: A fix needs two sights or more"},
        {{"fix", "--dr", "50 -4", "--sight", "Sun," + time}, "'Sun,2026-12-09T12:04:31Z' is not a sight: write BODY, TIME, HS and the limb"},
        {{"fix", "--dr", "50 -4", "--sight", "Moon," + time + ",30", "--sight", "Moon," + time + ",31", "--noon"}, "--noon marks the last Sun sight as the noon sight: there is no Sun sight"},
        {{"fix", "nowhere.sights"}, "The sights could not be read from nowhere.sights: No such file or directory"},
        {{"fix", VORLAN_SOURCE_DIR "/docs"}, "it is not a regular file"},
        {{"fix", VORLAN_SOURCE_DIR "/docs/sample.voyage"}, "sample.voyage: it is not a sights file"},
    };
    for (const auto& c : cases) {
        const Output o = Celpos(c.words);
        EXPECT_EQ(o.status, 2) << c.message;
        EXPECT_EQ(o.out, "") << c.message;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << c.message << "\n  got: " << o.err;
    }
}

// The manual page's text of a command and what it prints, roff read back.
std::string Roff(std::string text)
{
    const std::pair<std::string, std::string> escapes[] = {{"\\(de", "\xC2\xB0"}, {"\\-", "-"}, {"\\e", "\\"}};
    for (const auto& [from, to] : escapes)
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    return text;
}

TEST(CommandLine, TheManualPagesExamplesPrintWhatItSays)
{
    std::ifstream in(VORLAN_SOURCE_DIR "/packaging/man/celpos.1");
    std::ostringstream page;
    page << in.rdbuf();
    const std::string text = Roff(page.str());
    const std::vector<std::vector<std::string>> examples = {
        {"almanac", "Sun", "2026-12-09T18:30:00Z"},
        {"reduce", "--body", "Vega", "--time", "2026-07-17T03:34:10Z", "--hs", "45\xC2\xB0" "53.7", "--height-of-eye",
         "12.5", "--index-error", "-1.2", "--temperature", "18", "--pressure", "1021", "47.5 -8"},
        {"fix", Sample},
    };
    for (const std::vector<std::string>& words : examples) {
        std::string command = "$ celpos";
        for (const std::string& w : words)
            command += " " + (w == Sample ? std::string("docs/sample.sights") : w.find(' ') != std::string::npos ? "\"" + w + "\"" : w);
        const Output o = Celpos(words);
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_NE(text.find(command + "\n" + o.out), std::string::npos) << command << "\n" << o.out;
    }
}

} // namespace
