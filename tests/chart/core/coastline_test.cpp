#include "chart/core/coastline.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string FileBytes(const std::string& name)
{
    std::ifstream in(std::string(VORLAN_SOURCE_DIR "/chart/data/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Coastline, ShippedFilesTellLandFromSea)
{
    struct Place {
        const char* Name;
        double Lat;
        double Lon;
        bool Land;
    };
    const Place places[] = {
        {"the Netherlands", 52, 5, true},
        {"North Sea", 52, 3, false},
        {"deep inside Asia", 50, 90, true},
        {"Switzerland", 47, 8, true},
        {"Atlantic", 40, -30, false},
        {"Pacific", 0, -160, false},
        {"Australia", -20, 135, true},
        {"Antarctica", -80, 0, true},
        {"south pole", -90, 0, true},
        {"Chukotka west of 180", 65, 178, true},
        {"Chukotka east of 180, its ring past 180", 65, -175, true},
        {"Bering Strait approaches", 65, -170, false},
        {"Gulf of Anadyr", 64, -178, false},
    };
    for (const char* file : {"coastline-crude.bin", "coastline-low.bin"}) {
        const chart::Coastline coast = chart::ReadCoastline(FileBytes(file));
        for (const Place& p : places)
            EXPECT_EQ(chart::OnLand(coast, p.Lat, p.Lon), p.Land) << file << ": " << p.Name;
    }
}

TEST(Coastline, RefusesBrokenFiles)
{
    const std::string good = FileBytes("coastline-crude.bin");
    ASSERT_GT(good.size(), 100u);
    const std::string header = "VORLAN coastline 1\n";
    const std::string oneRing = header + std::string("\x01\0\0\0\x01\0\0\0", 8);
    const std::string cases[] = {
        "",
        "VORLAN coastline 2\n" + good.substr(header.size()),
        good.substr(0, good.size() - 1),
        good + '\0',
        header + std::string("\xff\xff\xff\x7f", 4),           // ring count beyond the bytes
        header + std::string("\x01\0\0\0\xff\xff\xff\xff", 8), // point count beyond the bytes
        oneRing + std::string("\0\0\0\0\x81\x4a\x5d\x05", 8),  // latitude 90.000001
    };
    for (const std::string& bytes : cases)
        EXPECT_THROW(chart::ReadCoastline(bytes), chart::CoastlineError) << bytes.size() << " bytes";

    // A point's coordinates at their limits and a millionth beyond, both signs.
    const auto point = [&](std::int32_t lon, std::int32_t lat) {
        std::string bytes = oneRing;
        for (std::int32_t v : {lon, lat})
            for (int i = 0; i < 4; ++i)
                bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
        return bytes;
    };
    const struct {
        std::int32_t lon, lat;
        const char* refusal; // empty: read
    } limits[] = {
        {540'000'000, 90'000'000, ""},
        {-540'000'000, -90'000'000, ""},
        {0, -90'000'001, "coastline file has a latitude of -90000001 millionths of a degree"},
        {-540'000'001, 0, "coastline file has a longitude of -540000001 millionths of a degree"},
        {540'000'001, 0, "coastline file has a longitude of 540000001 millionths of a degree"},
    };
    for (const auto& l : limits) {
        try {
            const chart::Coastline coast = chart::ReadCoastline(point(l.lon, l.lat));
            EXPECT_EQ(*l.refusal, '\0') << l.lon << " " << l.lat;
            ASSERT_EQ(coast.Land.size(), 1u);
            EXPECT_EQ(coast.Land[0][0].Lat, l.lat * 1e-6);
        } catch (const chart::CoastlineError& e) {
            EXPECT_EQ(std::string(e.what()), l.refusal) << l.lon << " " << l.lat;
        }
    }
}

} // namespace
