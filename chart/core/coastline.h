// The world's shorelines as closed rings of longitude/latitude, read from
// the files in chart/data (made by scripts/make-coastline from GSHHG): the
// sea's shores, the lakes' (the Caspian's among them) and those of islands
// in lakes. A point is land where an odd number of rings enclose it, so a
// lake is water inside its land and its islands land again.
//
// File layout: the line "VORLAN coastline 1\n", then little-endian uint32
// ring count; per ring a uint32 point count and that many (int32 longitude,
// int32 latitude) pairs in millionths of a degree.
//
// Longitudes of a ring run on without a jump, and its westernmost point
// lies in [-180, 180): a ring across 180 degrees goes past 180 (Eurasia
// reaches about 190). Antarctica spans -180..180 and is closed along the
// south pole through (-180, -90) and (180, -90), so it fills as a plain
// polygon in the longitude/latitude plane.
#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

namespace chart {

struct GeoPoint {
    double Lat; // degrees, north positive
    double Lon; // degrees, east positive
};

// Closed implicitly: the last point joins the first.
using Ring = std::vector<GeoPoint>;

struct Coastline {
    std::vector<Ring> Land; // filled even-odd: lakes inside land are holes
};

// A coastline file that cannot be read; what() says what is wrong.
class CoastlineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rings of a whole file's bytes. Throws CoastlineError on a wrong first
// line, a count larger than the bytes left, a coordinate off the globe or
// bytes after the last ring.
Coastline ReadCoastline(std::string_view bytes);

// Whether the point lies on land: even-odd over every ring (inside a lake
// is water, on an island in it land), tried at lon, lon - 360 and
// lon + 360 so rings past 180 are met. NaN is sea.
bool OnLand(const Coastline& coast, double lat, double lon);

} // namespace chart
