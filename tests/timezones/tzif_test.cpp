// The TZif reader refuses what is not a sound file, naming it and the
// reason; the footer's POSIX rules agree with glibc's (through Python's
// time module), a reader written by others.
#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "timezones/tzif.h"
#include "timezones/zone.h"
#include "timezones/zone_files.h"

#include <gtest/gtest.h>

#include "program_output.h"
#include "test_texts.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using namespace timezones;
using testtexts::WhatOf;

void Put(std::string& bytes, std::uint64_t value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        bytes += static_cast<char>(value >> shift & 0xFF);
}

// A version 2 file: one transition in 2000 from LMT to "XST" (+01:00), and
// the footer; the 64-bit header counts `timeCount` transitions and
// `typeCount` types, whatever follows.
std::string Tzif(const std::string& footer, std::uint32_t timeCount = 1, std::uint32_t typeCount = 2)
{
    const std::string chars("LMT\0XST\0", 8);
    std::string header = "TZif2" + std::string(15, '\0');
    for (std::uint32_t count : {0u, 0u, 0u, timeCount, typeCount, 8u})
        Put(header, count, 4);
    std::string data;
    Put(data, 946684800, 8);
    data += '\1';
    Put(data, 75, 4);
    data += std::string("\0\0", 2);
    Put(data, 3600, 4);
    data += std::string("\0\4", 2);
    data += chars;
    std::string v1 = "TZif2" + std::string(15, '\0');
    for (std::uint32_t count : {0u, 0u, 0u, 0u, 1u, 4u})
        Put(v1, count, 4);
    Put(v1, 0, 4), v1 += std::string("\0\0LMT\0", 6);
    return v1 + header + data + "\n" + footer + "\n";
}

TEST(TzifFiles, BadFilesAreRefusedWithTheirNameAndReason)
{
    const std::string good = Tzif("XST-1");
    std::string wrongMagic = good, leap = good, badType = good, badOffset = good;
    wrongMagic[0] = 'T', wrongMagic[3] = 'F';
    // The 32-bit section ends at byte 54; the 64-bit data starts at 98.
    leap[54 + 31] = 1;        // the 64-bit header's leap count
    badType[98 + 8] = 2;      // the transition names type 2 of 2
    badOffset[98 + 9] = 0x7F; // the first offset becomes 75 + 127 * 2^24
    const struct {
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"", "it is truncated: a header at byte 0 needs 44 bytes, and 0 remain"},
        {good.substr(0, 60), "it is truncated: a header at byte 54 needs 44 bytes, and 6 remain"},
        {good.substr(0, 100), "it is truncated: the data its header counts at byte 98 needs 29 bytes, and 2 remain"},
        {Tzif("XST-1", 1000), "it is truncated: the data its header counts at byte 98 needs 9020 bytes, and 36 "
                              "remain"},
        {Tzif("XST-1", 0xFFFFFFFF), "it is truncated: the data its header counts at byte 98 needs 38654705675 bytes, "
                                    "and 36 remain"},
        {Tzif("XST-1", 1, 0), "it counts 0 local time types; a file holds 1 to 256"},
        {wrongMagic, "it is not a TZif file: it does not begin with TZif"},
        {"TZif5" + good.substr(5), "its TZif version (byte 53) is not one of 1 to 4"},
        {leap, "it counts leap seconds (a right/ zone), which civil time does not"},
        {badType, "transition 0 names type 2 of only 2"},
        {badOffset, "type 0 has the UTC offset 2130706507 s, beyond 26 hours"},
        {good.substr(0, good.size() - 1), "its footer does not end with a new line"},
        {good + "x", "it goes on for 1 bytes after its end"},
        {Tzif("XST-1XDT"), "its footer 'XST-1XDT' is not a POSIX TZ string: summer time needs its rule (,start,end)"},
        {Tzif("XST-1\x01"), "its footer holds a character that is not printable"},
        {std::string(MaxTzifBytes + 1, 'T'), "it is larger than 64 KiB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WhatOf([&] { ParseTzif(c.bytes, "test.tzif"); }),
                  std::string("The time zone could not be read from test.tzif: ") + c.reason)
            << c.reason;
    std::string version1 = good.substr(0, 54);
    version1[4] = '\0';
    EXPECT_EQ(ParseTzif(version1, "test.tzif").Types, (std::vector<LocalType>{{0, false, "LMT"}}));
    const Zone zone = Zone::FromTzif("Test/Zone", good, "test.tzif");
    EXPECT_EQ(zone.TypeAt(946684799), (LocalType{75, false, "LMT"}));
    EXPECT_EQ(zone.TypeAt(946684800), (LocalType{3600, false, "XST"}));
}

TEST(TzifFiles, ZoneFilesAreReadOnlyWhenRegularAndSmall)
{
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "tzif_files_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Area");
    ASSERT_EQ(::mkfifo((dir / "Area" / "Pipe").c_str(), 0600), 0);
    std::ofstream(dir / "Area" / "Large") << std::string(MaxTzifBytes + 1, 'x');
    std::ofstream(dir / "Area" / "Good", std::ios::binary) << Tzif("XST-1");
    std::ofstream(dir / "zone1970.tab") << "# a comment\nGB\t+513030-0000731\tArea/Good\n"
                                        << "XX\t+0+0\tArea/Missing\nYY\t+0+0\t../Outside\n";
    const std::string base = dir.string();
    EXPECT_EQ(WhatOf([&] { LoadZone("Area/Pipe", base); }),
              "The time zone could not be read from " + base + "/Area/Pipe: it is not a regular file");
    EXPECT_EQ(WhatOf([&] { LoadZone("Area/Large", base); }),
              "The time zone could not be read from " + base + "/Area/Large: it is larger than 64 KiB");
    EXPECT_EQ(LoadZone("Area/Good", base).UtcOffsetAt(946684800), 3600);
    EXPECT_EQ(ZoneNames(base), std::vector<std::string>{"Area/Good"});
    std::filesystem::remove(dir / "zone1970.tab");
    EXPECT_EQ(WhatOf([&] { ZoneNames(base); }), "The time zone could not be read from " + base +
                                                    ": it holds none of tzdata.zi, zone1970.tab and zone.tab");
    std::filesystem::remove_all(dir);
}

// Footers of every form, read by us and by glibc at the same instants.
TEST(PosixRules, OffsetsAndAbbreviationsAsGlibcGivesThem)
{
    const struct {
        const char* tz;
        const char* instant;
    } cases[] = {
        {"EST5EDT,M3.2.0,M11.1.0", "2090-03-12T06:59:59Z"},
        {"EST5EDT,M3.2.0,M11.1.0", "2090-03-12T07:00:00Z"},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "2090-03-26T00:59:59Z"},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "2090-10-29T01:00:00Z"},
        {"IST-2IDT,M3.4.4/26,M10.5.0", "2090-03-24T00:00:00Z"},
        {"<-04>4<-03>,M9.1.6/24,M4.1.6/24", "2090-09-03T03:59:59Z"},
        {"<-04>4<-03>,M9.1.6/24,M4.1.6/24", "2090-09-03T04:00:00Z"},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "2090-04-01T14:59:59Z"},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "2090-04-01T15:00:00Z"},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", "2090-01-15T12:00:00Z"},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", "2090-07-15T12:00:00Z"},
        {"XXX3YYY,J60/0,J300/0", "2088-03-01T02:59:59Z"},
        {"XXX3YYY,J60/0,J300/0", "2088-03-01T03:00:00Z"},
        {"XXX3YYY,59/0,300/0", "2088-02-29T02:59:59Z"},
        {"XXX3YYY,59/0,300/0", "2088-02-29T03:00:00Z"},
        {"XXX3YYY,59/0,300/0", "2089-10-28T01:59:59Z"},
        {"<+0330>-3:30<+0430>,0/0,J365/25", "2090-06-01T00:00:00Z"},
        {"<+0330>-3:30<+0430>,0/0,J365/25", "2090-12-31T20:29:59Z"},
        {"AAA-12:45:30BBB,M12.5.6/167,M1.1.0/-167", "2089-12-31T00:00:00Z"},
        {"<+0545>-5:45", "2090-06-01T00:00:00Z"},
    };
    std::string script = "import os, time\nfor tz, t in [";
    std::string ours;
    for (const auto& c : cases) {
        const auto t = static_cast<UtcSeconds>(
            std::stoll(testsupport::ProgramOutput("date -u -d " + std::string(c.instant) + " +%s")));
        script += "(\"" + std::string(c.tz) + "\"," + std::to_string(t) + "),";
        const LocalType type = PosixTypeAt(ParsePosixTz(c.tz), t);
        ours += std::to_string(type.UtcOffset) + " " + type.Abbreviation + "\n";
    }
    script += "]:\n os.environ[\"TZ\"] = tz; time.tzset(); l = time.localtime(t); print(l.tm_gmtoff, l.tm_zone)";
    EXPECT_EQ(ours, testsupport::ProgramOutput("/usr/bin/python3 -c '" + script + "'"));

    // Summer time all year (RFC 8536: from January 1 at 00:00 to December 31
    // at 24:00 plus the summer hour) stays summer time across the new year;
    // glibc and CPython fall back to standard time for the year's last
    // 3.5 hours of UTC, between the end of one year's rule and the next.
    EXPECT_EQ(PosixTypeAt(ParsePosixTz("<+0330>-3:30<+0430>,0/0,J365/25"),
                          static_cast<UtcSeconds>(ParseInstant("2090-12-31T23:59:59Z")))
                  .Abbreviation,
              "+0430");
}

TEST(PosixRules, RefusalsSayWhatIsWrong)
{
    const struct {
        const char* tz;
        const char* reason;
    } cases[] = {
        {"", "the standard time name needs at least three letters"},
        {"ES5", "the standard time name needs at least three letters"},
        {"EST", "a number is missing in the standard offset"},
        {"EST25", "the standard offset hours must be 0 to 24"},
        {"EST5:60", "the standard offset minutes and seconds must be 0 to 59"},
        {"<+05", "the standard time name in <> is not closed, or holds a character names do not"},
        {"EST5EDT,M3.2.0", "the rule needs the end of summer time after a comma"},
        {"EST5EDT,M13.2.0,M11.1.0", "the start month must be 1 to 12"},
        {"EST5EDT,M3.6.0,M11.1.0", "the start week must be 1 to 5"},
        {"EST5EDT,M3.2.7,M11.1.0", "the start weekday must be 0 to 6"},
        {"EST5EDT,M3.2,M11.1.0", "the start rule Mm.w.d lacks its weekday"},
        {"EST5EDT,J0,J365", "the start day Jn must be J1 to J365"},
        {"EST5EDT,0,366", "the end day n must be 0 to 365"},
        {"EST5EDT,M3.2.0/168,M11.1.0", "the start hours must be 0 to 167"},
        {"EST5EDT,M3.2.0,M11.1.0x", "it goes on after the end of summer time"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WhatOf([&] { ParsePosixTz(c.tz); }),
                  "'" + std::string(c.tz) + "' is not a POSIX TZ string: " + c.reason);
}

} // namespace
