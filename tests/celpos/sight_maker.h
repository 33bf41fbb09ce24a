// Sights as a sextant would have given them at a known place: PyEphem's
// topocentric altitude of the body (Debian's python3-ephem, asked once
// for a whole table), its limb, refraction, dip and the index error put
// back onto it.
#pragma once

#include "celpos/core/altitude_corrections.h"
#include "celpos/core/sight.h"

#include <string>
#include <vector>

namespace celpostest {

struct Observation {
    std::string Body;
    double LatDeg, LonDeg; // where the vessel was
    double Utc;            // when
    celpos::Limb LimbTaken;
};

// The sextant altitude of each observation, in order, for `conditions`.
std::vector<double> SextantAltitudes(const std::vector<Observation>& observations,
                                     const celpos::SightConditions& conditions);

// The position `distanceNm` from (lat, lon) along the rhumb line of
// `courseDeg` on WGS 84, by GeographicLib's Rhumb (degrees).
void RhumbFrom(double latDeg, double lonDeg, double courseDeg, double distanceNm, double& lat2, double& lon2);

// The distance (nautical miles) between two positions on WGS 84, by GeographicLib's geodesic.
double MilesApart(double lat1, double lon1, double lat2, double lon2);

// UTC seconds of an ISO 8601 instant.
double Utc(const char* iso);

} // namespace celpostest
