// Datum shifts as programs written by others give them: PROJ's cs2cs and
// projinfo, and pyproj (python3-pyproj), on Debian's grids. Each is given
// the same area of interest around the position: without one, cs2cs and
// pyproj pick an onshore operation for a position at sea whenever PROJ
// lists it before the offshore one (ED50 to WGS 84 (2), for Austria to
// Switzerland, at the Forties field; 0.5 to 4 m from the offshore one).
#pragma once

#include <string>
#include <vector>

namespace proj_reference {

struct Case {
    const char* place;
    int from, to;
    double lat, lon, height;
    bool fallback; // the best transformation needs a grid Debian's proj-data lacks
    double meridian = 0; // the source CRS's prime meridian, degrees east of Greenwich
};

// Positions at sea over the common datums, both ways, across 180°, in 3D,
// from a prime meridian other than Greenwich and at the pole.
inline const Case Cases[] = {
    {"Forties field, North Sea", 4230, 4326, 57.73, 0.97, 0, false},
    {"Strait of Gibraltar", 4230, 4326, 36.0, -5.5, 0, true},
    {"Gulf of Lion", 4230, 4326, 43.0, 4.0, 0, true},
    {"Aegean Sea", 4230, 4326, 38.5, 25.0, 0, false},
    {"Norwegian Sea", 4230, 4326, 64.0, 6.0, 0, false},
    {"Plymouth Sound", 4277, 4326, 50.3654, -4.1427, 0, true},
    {"Dover Strait", 4277, 4326, 51.05, 1.45, 0, true},
    {"The Minch", 4277, 4326, 58.0, -6.0, 0, true},
    {"New York harbour", 4267, 4326, 40.6892, -74.0445, 0, true},
    {"Gulf of Mexico", 4267, 4326, 28.0, -90.0, 0, false},
    {"Golden Gate", 4267, 4326, 37.81, -122.48, 0, true},
    {"Gulf of Alaska", 4267, 4326, 58.0, -145.0, 0, true},
    {"Boston harbour", 4269, 4326, 42.35, -70.95, 0, true},
    {"Tokyo Bay", 4301, 4326, 35.45, 139.75, 0, false},
    {"Korea Strait", 4301, 4326, 34.3, 129.3, 0, false},
    {"Gulf of Finland", 4284, 4326, 59.9, 29.0, 0, false},
    {"Black Sea off Sevastopol", 4284, 4326, 44.5, 33.5, 0, false},
    {"Kiel Bay", 4258, 4326, 54.5, 10.5, 0, false},
    {"Marseille, from WGS 84", 4326, 4230, 43.3, 5.35, 0, false},
    {"The Solent, from WGS 84", 4326, 4277, 50.77, -1.3, 0, true},
    {"Valencia, ED50 to ETRS89", 4230, 4258, 39.5, -0.3, 0, true},
    {"Chesapeake Bay, NAD27 to NAD83", 4267, 4269, 37.0, -76.1, 0, true},
    {"Fiji, west of 180", 4322, 4326, -17.0, 179.9999, 0, false},
    {"Fiji, east of 180", 4322, 4326, -17.0, -179.9999, 0, false},
    {"Gulf of St. Lawrence, 3D", 4979, 4955, 49.0, -66.0, 30.0, false},
    {"Kiel Bay, 3D to 2D", 4979, 4230, 54.5, 10.5, 0, false},
    {"Brest, NTF (Paris)", 4807, 4326, 48.38, -6.8272, 0, false, 2.33722917},
    {"North Pole", 4326, 4322, 90.0, 0.0, 0, false},
};

struct Point {
    double lat = 0, lon = 0, height = 0;
};

// An operation as projinfo names it: its code (with PROJ's INVERSE() and
// DERIVED_FROM() marks taken off, "" for none) and its name.
struct Operation {
    std::string code, name;
};

struct Reference {
    Point cs2cs, pyproj;        // the position moved
    bool bestAvailable = false; // pyproj: the best operation for the area runs here
    std::string pyprojBetter;   // pyproj: the best one that cannot run ("" when none)
    Operation used;             // projinfo's first with missing grids discarded
    Operation best;             // projinfo's first with every grid counted
    double semiMajorAxis = 0, inverseFlattening = 0; // the source ellipsoid, as pyproj gives it
};

// What the three programs give for each case, in order (pyproj asked once
// for all of them).
std::vector<Reference> References(const std::vector<Case>& cases);

std::string Epsg(int code);
std::string Decimal(double value); // 12 significant digits
// Metres between two positions, on WGS 84.
double MetresApart(const Point& a, double lat, double lon);

} // namespace proj_reference
