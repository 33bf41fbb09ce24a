// celpos's command lines, for scripts:
//   celpos almanac [--json] [--dut1 S] BODY TIME | celpos almanac --list
//   celpos reduce [--json] --body BODY --time TIME --hs HS [--limb lower|upper|centre]
//                 [--index-error ARCMIN] [--height-of-eye M] [--temperature C] [--pressure HPA]
//                 [--watch-error S] [--dut1 S] [--noon] POSITION
//   celpos fix [--json] FILE.sights
//   celpos fix [--json] --dr POSITION [--course DEG] [--speed KN] --sight BODY,TIME,HS[,LIMB] ...
//              [the conditions of reduce] [--noon]
// TIME is ISO 8601 ("2026-12-09T18:30:00Z"), what the watch read; POSITION
// as the suite's command lines take it. Plain output is the worksheet's
// "Name: value" lines; --json gives the figures at full precision:
//   almanac: body, gha_deg, dec_deg (null for Aries), sha_deg (stars;
//            null otherwise), sd_arcmin, hp_arcmin (null for stars and Aries)
//   reduce:  ho_deg, hc_deg, zn_deg, intercept_nm (positive toward),
//            corrections_arcmin {index, dip, refraction, parallax, semi_diameter}
//   fix:     latitude_deg, longitude_deg, time (of the last sight),
//            residuals_arcmin [...], warnings [...]
// --noon marks the last Sun sight as taken at the Sun's meridian passage.
#pragma once

#include <string>
#include <vector>

namespace celpos {

// Runs the command line (`arguments` without the program's name): the
// output in `out`, an error in `err`. Returns the exit status: 0, or 2 for
// bad input.
int RunCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

// True where the arguments open the window: none, or one sights file
// (a name ending in ".sights").
bool OpensWindow(const std::vector<std::string>& arguments);

} // namespace celpos
