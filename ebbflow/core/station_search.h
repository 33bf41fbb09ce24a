// Finding stations: by name, or the nearest to a position, of a kind.
#pragma once

#include "ebbflow/core/tide_database.h"

#include <string_view>
#include <vector>

namespace ebbflow {

enum class KindFilter { Any, Tide, Current };

// The most names a refusal lists before it says how many more there are.
inline constexpr std::size_t MostNamesListed = 8;

// Whether `station` is of the kind `filter` asks for.
bool OfKind(const Station& station, KindFilter filter);

// The station of `filter`'s kind whose name is `name`, or, failing that,
// the one whose name holds `name`, compared without case or accents
// (text_fold.h). A station's whole name finds it even when other names
// hold it too. Throws StationSearchError when no name holds it, or when
// several do ("'Battery' fits 12 stations: ..., and 4 more"; names are
// listed once).
const Station& FindStation(const TideDatabase& db, std::string_view name, KindFilter filter = KindFilter::Any);

struct NearStation {
    const Station* Found = nullptr;
    double DistanceNm = 0; // along the geodesic on WGS 84, nautical miles
    double CourseDeg = 0;  // initial course from the position to it, degrees true 0..360
};

// The station of `filter`'s kind nearest to latitude `lat` (-90..90) and
// longitude `lon` (any, degrees east), along the geodesic on WGS 84
// (geo::DefinedEllipsoid). Stations without a position are passed over.
// Throws StationSearchError for a position off the globe or NaN.
NearStation NearestStation(const TideDatabase& db, double lat, double lon, KindFilter filter = KindFilter::Any);

// The stations of `filter`'s kind in file order.
std::vector<const Station*> ListStations(const TideDatabase& db, KindFilter filter = KindFilter::Any);

} // namespace ebbflow
