// The datums offered first: those of most charts, maps and satellite
// receivers at sea, and one for each of the suite's 25 ellipsoids where
// the EPSG database holds one. Each is a geographic 2D CRS of the EPSG
// database, named as PROJ names it; any other is reached by its code or
// name (crs_lookup.h).
#pragma once

#include "geo/ellipsoids.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace datumshift {

struct DatumEntry {
    std::string_view Name; // PROJ's name of the CRS
    int Code = 0;          // its EPSG code
};

// The usual datums at sea, in the order offered.
inline constexpr std::array<DatumEntry, 8> CommonDatums = {{
    {"WGS 84", 4326},       // GPS and electronic charts
    {"ETRS89", 4258},       // Europe's satellite datum
    {"ED50", 4230},         // older European charts and offshore grids
    {"OSGB36", 4277},       // Admiralty charts of British waters before WGS 84
    {"NAD27", 4267},        // older North American charts
    {"NAD83", 4269},        // North American charts since the 1980s
    {"Tokyo", 4301},        // older Japanese and Korean charts
    {"Pulkovo 1942", 4284}, // Soviet and eastern European charts
}};

// The usual datum on an ellipsoid of the suite, by its catalogue index
// (geo/ellipsoids.h). Code 0 where EPSG has none, and `Why` says so.
struct EllipsoidDatum {
    std::string_view Name; // PROJ's name of the CRS, "" for none
    int Code = 0;          // EPSG code, 0 for none
    std::string_view Why;  // for none: the reason
};

inline constexpr std::string_view NoEpsgEllipsoid = "the EPSG database does not hold this ellipsoid";

inline constexpr std::array<EllipsoidDatum, geo::EllipsoidCount> EllipsoidDatums = {{
    {"OSGB36", 4277, ""},                // Airy: Great Britain
    {"TM75", 4300, ""},                  // Airy Modified: Ireland, the Irish Grid's 1975 adjustment
    {"AGD66", 4202, ""},                 // Australian Nat.: Australia, Papua New Guinea
    {"DHDN", 4314, ""},                  // Bessel 1841: Germany (Tokyo, also on Bessel, is a common datum)
    {"NAD27", 4267, ""},                 // Clarke1866: North America
    {"Arc 1960", 4210, ""},              // Clarke1880: East Africa
    {"Kalianpur 1937", 4144, ""},        // Everest: India, Bangladesh, Myanmar
    {"Kertau 1968", 4245, ""},           // Everest Mod.: Malaysia, Singapore
    {"", 0, NoEpsgEllipsoid},            // Fisher1960 (Mercury datum)
    {"", 0, NoEpsgEllipsoid},            // Fisher1960 Mod.
    {"", 0, NoEpsgEllipsoid},            // Fisher 1968
    {"HD72", 4237, ""},                  // GRS 1967: Hungary, its only EPSG datum
    {"ETRS89", 4258, ""},                // GRS 1980: Europe (NAD83 and GDA94 are on it as well)
    {"Egypt 1907", 4229, ""},            // Helmert 1906: Egypt
    {"Marshall Islands 1960", 4732, ""}, // Hough: its only EPSG datum
    {"ED50", 4230, ""},                  // Intern.(Hayf): Europe
    {"Pulkovo 1942", 4284, ""},          // Krassovsky: the former Soviet Union and eastern Europe
    {"PZ-90", 4740, ""},                 // PZ-90: GLONASS
    {"SAD69", 4618, ""},                 // S American 69: South America
    {"", 0, NoEpsgEllipsoid},            // WGS 60
    {"", 0, NoEpsgEllipsoid},            // WGS 66
    {"WGS 72", 4322, ""},                // WGS 72: Transit satellites
    {"WGS 84", 4326, ""},                // WGS 84: GPS
    {"", 0, "a sphere of the suite's own, on which no datum is defined"}, // Stand.Sphere
    {"NTF", 4275, ""},                                                    // ClarkeIGN: France
}};

// "EPSG:4230".
std::string EpsgCode(int code);

// Every datum offered, the common ones first, then those of the
// ellipsoids in catalogue order, each once.
std::vector<DatumEntry> OfferedDatums();

} // namespace datumshift
