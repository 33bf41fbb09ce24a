// The UTM modules' command lines, for scripts:
//   gridout [--ellipsoid NAME] [--zone N] [--json] POSITION
//   gridin  [--ellipsoid NAME] [--json] [--format F] ZONE EASTING NORTHING
// A position as geo::ReadPosition takes it; ZONE is the zone number with
// its hemisphere in lower case ("30n", "56s", "0n" for UPS) or with its
// band letter in upper case ("30U", "Z" for UPS). Plain output is one
// "Name: value" a line; --json gives the figures at full precision.
// Each returns its exit status: 0, or 2 for bad input (message in `err`).
#pragma once

#include <string>
#include <vector>

namespace grid {

int RunGridOut(const std::vector<std::string>& arguments, std::string& out, std::string& err);
int RunGridIn(const std::vector<std::string>& arguments, std::string& out, std::string& err);

} // namespace grid
