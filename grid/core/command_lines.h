// The UTM modules' command lines, for scripts, and the pieces of them the
// windows share:
//   gridout [--ellipsoid NAME] [--zone N] [--json] POSITION
//   gridin  [--ellipsoid NAME] [--json] [--format DM.dd|DMS|DMS.sss] ZONE EASTING NORTHING
// A position as geo::ReadPosition takes it; ZONE is the zone number with
// its hemisphere in lower case ("30n", "56s", "0n" for UPS) or with its
// band letter in upper case ("30U", "Z" for UPS). Plain output is one
// "Name: value" a line; --json gives the figures at full precision.
// Each returns its exit status: 0, or 2 for bad input (message in `err`).
#pragma once

#include "geo/angle_text.h"
#include "grid/core/utm.h"

#include <string>
#include <utility>
#include <vector>

namespace grid {

int RunGridOut(const std::vector<std::string>& arguments, std::string& out, std::string& err);
int RunGridIn(const std::vector<std::string>& arguments, std::string& out, std::string& err);

// A zone as typed: its number (Ups for UPS), hemisphere and band letter
// (0 when a hemisphere was typed instead).
struct GridReference {
    int Zone = 0;
    bool North = true;
    char Band = 0;
};
// Reads "30n", "56s", "30U", "0n", "Z"; throws cli::InputError with the
// reason.
GridReference ReadZone(const std::string& text);

// The position of a grid reference; throws GridError outside the zone's
// valid area or when the band does not hold the position.
GeoPosition FromReference(const geo::EllipsoidDefinition& ellipsoid, const GridReference& g, double easting,
                          double northing);

// "30U", "UPS Z".
std::string ZoneText(int zone, char band);

// The answers as the windows and the plain output show them, one
// ("Name", "value") a line, 8-bit.
using ResultLines = std::vector<std::pair<std::string, std::string>>;
ResultLines GridOutLines(const GridPosition& g);
ResultLines GridInLines(const GeoPosition& p, geo::AngleFormat format);

// A number of metres as scripts write it; throws cli::InputError.
double Metres(const std::string& word);

} // namespace grid
