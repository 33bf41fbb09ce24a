#include "ebbflow/core/station_search.h"

#include "ebbflow/core/text_fold.h"
#include "ebbflow/core/tide_errors.h"
#include "geo/constants.h"
#include "geo/ellipsoid_definitions.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <set>

namespace ebbflow {
namespace {

constexpr double RadiansPerDegree = geo::Pi / 180.0;
// The sphere's distances differ from the ellipsoid's by well under 1 %:
// every station within that much of the nearest on the sphere is measured
// on the ellipsoid.
constexpr double SphereSlack = 1.01;

// The angle between two positions on the unit sphere (radians).
double SphereAngle(double lat1, double lon1, double lat2, double lon2)
{
    const double p1 = lat1 * RadiansPerDegree, p2 = lat2 * RadiansPerDegree;
    const double dp = p2 - p1, dl = (lon2 - lon1) * RadiansPerDegree;
    const double h = std::sin(dp / 2) * std::sin(dp / 2) + std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * std::asin(std::min(1.0, std::sqrt(h)));
}

std::string Listed(const std::vector<const Station*>& fits)
{
    std::set<std::string> names;
    for (const Station* s : fits)
        names.insert(s->Name);
    std::string text;
    std::size_t shown = 0;
    for (const std::string& name : names) {
        if (shown == MostNamesListed)
            break;
        text += (shown++ == 0 ? "" : "; ") + name;
    }
    if (names.size() > shown)
        text += "; and " + std::to_string(names.size() - shown) + " more";
    return text;
}

} // namespace

bool OfKind(const Station& station, KindFilter filter)
{
    return filter == KindFilter::Any || (filter == KindFilter::Current) == station.IsCurrent();
}

const Station& FindStation(const TideDatabase& db, std::string_view name, KindFilter filter)
{
    const std::string key = SearchKey(name);
    if (key.find_first_not_of(' ') == std::string::npos)
        throw StationSearchError("No station name was given");
    std::vector<const Station*> whole, part;
    for (const Station& s : db.Stations()) {
        if (!OfKind(s, filter))
            continue;
        const std::string folded = SearchKey(s.Name);
        if (folded == key)
            whole.push_back(&s);
        else if (folded.find(key) != std::string::npos)
            part.push_back(&s);
    }
    const std::vector<const Station*>& fits = whole.empty() ? part : whole;
    if (fits.size() == 1)
        return *fits.front();
    const std::string quoted = "'" + std::string(name) + "'";
    if (fits.empty())
        throw StationSearchError("No station's name holds " + quoted);
    throw StationSearchError(quoted + " fits " + std::to_string(fits.size()) + " stations: " + Listed(fits));
}

NearStation NearestStation(const TideDatabase& db, double lat, double lon, KindFilter filter)
{
    if (!(std::abs(lat) <= 90) || !std::isfinite(lon))
        throw StationSearchError("The position is not on the globe");
    std::vector<std::pair<double, const Station*>> angles;
    double least = INFINITY;
    for (const Station& s : db.Stations()) {
        if (!OfKind(s, filter) || !s.PositionKnown)
            continue;
        const double angle = SphereAngle(lat, lon, s.Latitude, s.Longitude);
        angles.emplace_back(angle, &s);
        least = std::min(least, angle);
    }
    if (angles.empty())
        throw StationSearchError("The tide data hold no station of that kind with a position");
    const geo::EllipsoidDefinition wgs84 = geo::DefinedEllipsoid(geo::Wgs84Index);
    const GeographicLib::Geodesic geodesic(wgs84.a, wgs84.f);
    NearStation best;
    double bestMetres = INFINITY;
    for (const auto& [angle, s] : angles) {
        if (angle > least * SphereSlack + 1e-9)
            continue;
        double metres = 0, course = 0, finalCourse = 0;
        geodesic.Inverse(lat, lon, s->Latitude, s->Longitude, metres, course, finalCourse);
        if (metres < bestMetres) {
            bestMetres = metres;
            best = {s, metres / geo::MetresPerNauticalMile, course < 0 ? course + 360 : course};
        }
    }
    return best;
}

std::vector<const Station*> ListStations(const TideDatabase& db, KindFilter filter)
{
    std::vector<const Station*> list;
    for (const Station& s : db.Stations())
        if (OfKind(s, filter))
            list.push_back(&s);
    return list;
}

} // namespace ebbflow
