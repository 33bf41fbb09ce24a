// Reading tide data: Debian's file as its makers describe it, and broken
// files refused with their name and reason.
#include "ebbflow/core/tcd_check.h"
#include "ebbflow/core/tide_database.h"
#include "ebbflow/core/tide_errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace ebbflow;

std::string DebianBytes()
{
    std::ifstream in(std::string(DefaultTideFile), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// `bytes` with one header line's value replaced, the checksum made good.
std::string WithHeader(std::string bytes, const std::string& key, const std::string& value, bool restamp = true)
{
    const std::size_t at = bytes.find(key + " = ");
    const std::size_t end = bytes.find('\n', at);
    bytes.replace(at, end - at, key + " = " + value);
    const std::size_t size = 4096; // Debian's [HEADER SIZE]
    if (restamp) {
        const std::uint32_t crc = Crc32(std::string_view(bytes).substr(0, size));
        for (int i = 0; i < 4; ++i)
            bytes[size + i] = static_cast<char>(crc >> (24 - 8 * i));
    }
    return bytes;
}

std::string Refusal(const std::string& name, const std::string& bytes)
{
    try {
        TideDatabase::FromBytes(name, bytes);
    } catch (const TideDataError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(TideFiles, DebiansFileHoldsWhatItsMakersDescribe)
{
    const TideDatabase db = TideDatabase::Open();
    std::map<StationKind, int> kinds;
    for (const Station& s : db.Stations()) {
        ++kinds[s.Kind];
        if (s.Kind == StationKind::ReferenceTide) {
            EXPECT_EQ(s.ZoneOffsetMinutes, 0) << s.Name; // tides are calibrated to UTC...
        }
        if (s.Kind == StationKind::ReferenceCurrent) { // ...currents to their standard time, whole hours
            EXPECT_NE(s.ZoneOffsetMinutes, 0) << s.Name;
            EXPECT_EQ(s.ZoneOffsetMinutes % 60, 0) << s.Name;
        }
        if (!s.IsCurrent()) {
            EXPECT_TRUE(s.Datum == "Mean Lower Low Water" || s.Datum == "Approximate Level of Mean Lower Low Water")
                << s.Name;
        }
    }
    EXPECT_EQ(kinds[StationKind::ReferenceTide], 1080);
    EXPECT_EQ(kinds[StationKind::SubordinateTide], 2490);
    EXPECT_EQ(kinds[StationKind::ReferenceCurrent], 940);
    EXPECT_EQ(kinds[StationKind::SubordinateCurrent], 897);
    EXPECT_EQ(db.Notice().LastModified, "2019-12-29 12:43 EST");
    EXPECT_EQ(db.Notice().Restrictions, std::vector<std::string>{"Public domain"});
    EXPECT_EQ(db.Notice().Legaleses, std::vector<std::string>{"IGNORE VELOCITIES"});
    EXPECT_EQ(db.Harmonics().FirstYear, 1700);
    EXPECT_EQ(db.Harmonics().LastYear, 2100);

    const Station& kahului = db.StationAt(18);
    EXPECT_EQ(kahului.Name, "Kahului, Kahului Harbor, Hawaii");
    EXPECT_EQ(kahului.Zone, "Pacific/Honolulu");
    EXPECT_EQ(kahului.State, "HI");
    EXPECT_EQ(kahului.Country, "USA");
    EXPECT_NEAR(kahului.DatumOffset, 1.12, 1e-6); // MSL above MLLW, as NOAA publishes it
    const Station& makena = db.StationAt(2037);
    EXPECT_EQ(makena.Kind, StationKind::SubordinateTide);
    EXPECT_EQ(makena.Reference, 18);
    EXPECT_EQ(makena.Datum, kahului.Datum);
    EXPECT_EQ(db.StationAt(1022).Name, "Mayag\u00fcez, Puerto Rico"); // ISO-8859-1 read as UTF-8
}

TEST(TideFiles, BrokenFilesAreRefusedWithTheirReason)
{
    const std::string debian = DebianBytes();
    const struct {
        const char* what;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"empty", "", "it is not a tide-constituent database"},
        {"text", "hello\nworld\n", "it is not a tide-constituent database"},
        {"cut in the header", debian.substr(0, 700), "it is truncated"},
        {"cut in the records", debian.substr(0, 100000), "it is truncated (100000 of 2087016 bytes)"},
        {"an older version", WithHeader(debian, "[MAJOR REV]", "1"),
         "it was written in version 1 of the tide-constituent format; this program reads version 2"},
        {"a later version", WithHeader(debian, "[MAJOR REV]", "3"),
         "it was written in version 3 of the tide-constituent format; this program reads version 2"},
        {"more stations claimed", WithHeader(debian, "[NUMBER OF RECORDS]", "5408"),
         "its header claims 5408 stations but it holds 5407"},
        {"a header edited", WithHeader(debian, "[LAST MODIFIED]", "2020-01-01 00:00 EST", false),
         "its header's checksum is wrong (the header was changed or is damaged)"},
        {"a table too large", WithHeader(debian, "[TZFILE BITS]", "16"),
         "its header's [TZFILE BITS] is out of range (16)"},
        {"a line libtcd would misread", WithHeader(debian, "[MINOR REV]", "2 [SPEED BITS] = 9"),
         "its header's line 3 holds a bracket in its value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Refusal("broken.tcd", c.bytes), "The tide data could not be read from broken.tcd: " + c.reason)
            << c.what;
}

TEST(TideFiles, FilesThatAreNoRegularFilesAreRefusedUnopened)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("tide-files-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string pipe = (folder / "pipe.tcd").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = (folder / "large.tcd").string();
    std::ofstream{large}.close();
    std::filesystem::resize_file(large, LargestTideFile + 1); // sparse: no disk taken
    const struct {
        std::string file, reason;
    } cases[] = {
        {pipe, "it is not a regular file"}, // never opened: a pipe nobody writes would hold the program
        {"/dev/null", "it is not a regular file"},
        {folder.string(), "it is not a regular file"},
        {(folder / "missing.tcd").string(), "No such file or directory"},
        {large, "it is larger than 64 MiB"},
    };
    for (const auto& c : cases) {
        try {
            TideDatabase::Open(c.file);
            ADD_FAILURE() << c.file << " was read";
        } catch (const TideDataError& e) {
            EXPECT_EQ(std::string(e.what()), "The tide data could not be read from " + c.file + ": " + c.reason);
        }
    }
    std::filesystem::remove_all(folder);
}

TEST(TideFiles, ChecksumIsZlibsCrc32)
{
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u); // the CRC-32 check value
}

} // namespace
