#include "chart/core/coastline.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace chart {

namespace {

constexpr std::string_view Header = "VORLAN coastline 1\n";
constexpr double Micro = 1e-6;
// Past 180 a ring may run on by up to a turn, so 540 bounds every longitude.
constexpr std::int32_t MaxLat = 90'000'000;
constexpr std::int32_t MaxLon = 540'000'000;

// Reads little-endian words, refusing to run past the end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : Bytes(bytes) {}

    std::size_t Left() const { return Bytes.size() - Pos; }

    std::uint32_t U32(const char* what)
    {
        if (Left() < 4) throw CoastlineError(std::string("coastline file ends inside ") + what);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(Bytes[Pos + static_cast<std::size_t>(i)]);
        Pos += 4;
        return v;
    }

    std::int32_t I32(const char* what) { return static_cast<std::int32_t>(U32(what)); }

private:
    std::string_view Bytes;
    std::size_t Pos = Header.size();
};

double Coordinate(std::int32_t micro, std::int32_t limit, const char* what)
{
    if (micro < -limit || micro > limit)
        // In the file's own unit: an integer text needs no locale and no
        // formatting of doubles.
        throw CoastlineError(std::string("coastline file has a ") + what + " of " + std::to_string(micro) +
                             " millionths of a degree");
    return micro * Micro;
}

bool InsideAny(const Coastline& coast, double lat, double lon)
{
    bool inside = false;
    for (const Ring& ring : coast.Land) {
        if (ring.empty()) continue;
        const GeoPoint* a = &ring.back();
        for (const GeoPoint& b : ring) {
            if ((a->Lat > lat) != (b.Lat > lat)) {
                const double x = a->Lon + (lat - a->Lat) * (b.Lon - a->Lon) / (b.Lat - a->Lat);
                if (lon < x) inside = !inside;
            }
            a = &b;
        }
    }
    return inside;
}

} // namespace

Coastline ReadCoastline(std::string_view bytes)
{
    if (!bytes.starts_with(Header))
        throw CoastlineError("not a coastline file: the first line is not \"VORLAN coastline 1\"");
    Reader in(bytes);
    const std::uint32_t rings = in.U32("the ring count");
    // Every ring takes at least its own count: a larger number cannot be true.
    if (rings > in.Left() / 4)
        throw CoastlineError("coastline file claims " + std::to_string(rings) + " rings in " +
                             std::to_string(in.Left()) + " bytes");
    Coastline coast;
    coast.Land.resize(rings);
    for (std::uint32_t r = 0; r < rings; ++r) {
        const std::uint32_t points = in.U32("a point count");
        if (points > in.Left() / 8)
            throw CoastlineError("coastline ring " + std::to_string(r) + " claims " + std::to_string(points) +
                                 " points in " + std::to_string(in.Left()) + " bytes");
        Ring& ring = coast.Land[r];
        ring.reserve(points);
        for (std::uint32_t p = 0; p < points; ++p) {
            const double lon = Coordinate(in.I32("a point"), MaxLon, "longitude");
            const double lat = Coordinate(in.I32("a point"), MaxLat, "latitude");
            ring.push_back({lat, lon});
        }
    }
    if (in.Left() != 0)
        throw CoastlineError("coastline file has " + std::to_string(in.Left()) + " bytes after its last ring");
    return coast;
}

bool OnLand(const Coastline& coast, double lat, double lon)
{
    if (std::isnan(lat) || std::isnan(lon)) return false;
    for (double shift : {0.0, -360.0, 360.0})
        if (InsideAny(coast, lat, lon + shift)) return true;
    return false;
}

} // namespace chart
