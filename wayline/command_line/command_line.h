// wayline's command line, for scripts:
//
//   wayline [--json] [--ellipsoid NAME] [--format DM.dd|DMS|DMS.sss] [--gc | --rhumb]
//           [--speed KN] [--departure TIME] [--step-deg N | --step-nm N] [--route N] FILE.gpx
//   wayline [--json] [--ellipsoid NAME] ... --composite LAT FROM TO
//
// The passage plan of a GPX route (the first in the file, or the N-th),
// with the speeds and the departure the file plans unless --speed (every
// leg at KN knots) or --departure (an ISO 8601 instant with its zone,
// "2027-06-15T06:30Z") says otherwise; --gc and --rhumb make every leg a
// great circle or a rhumb line. --composite takes two positions (as
// geo::ReadPosition reads them) and no file: the composite track that
// keeps within LAT degrees of the equator. --step-deg and --step-nm split
// every great circle into rhumb legs, at round meridians or every N miles.
//
// The plain output is one "Name: value" a line, as the window's texts;
// --json prints
//   {"legs": [{"from", "to", "kind", "course_deg" (rhumb lines, parallels)
//              or "initial_course_deg" and "final_course_deg" (great
//              circles), "distance_nm", "eta", "speed_kn"[, "waypoints",
//              "rhumb_legs", "rhumb_nm", "vertex"]}],
//    "total_nm", "departure", "arrival"}
// where "kind" is "rhumb", "great_circle" or "parallel", "from" and "to"
// name the waypoints (WP1, WP2, ... where unnamed), "eta", "departure" and
// "arrival" are ISO 8601 UTC texts ("2027-06-15T18:02:11Z", to the second)
// or null, courses null where the ends coincide; a split great circle adds
// its points ("waypoints": [{"lat_deg", "lon_deg"}], ends included), the
// rhumb legs between them ([{"course_deg", "distance_nm"}]), their sum and
// its vertex ({"lat_deg", "lon_deg", "on_leg"}, null along the equator).
#pragma once

#include <string>
#include <vector>

namespace wayline {

// Runs the command line (`arguments` without the program's name): the
// output in `out`, a refusal in `err`. Returns the exit status: 0, or 2
// for input it cannot take, with a message naming what is wrong.
int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

// The arguments that open the window rather than print: none, or one
// file name ending in ".gpx" (in any case). `wayline -- route.gpx`
// prints the plan of that file as it stands.
bool OpensWindow(const std::vector<std::string>& arguments);

} // namespace wayline
