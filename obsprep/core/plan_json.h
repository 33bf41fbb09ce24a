// The command line's --json output: the keys are a contract with the
// scripts that read them.
//
//   {"date": "2026-12-09", "zone_difference": 0,
//    "morning_nautical_twilight", "morning_civil_twilight", "meridian_passage",
//    "evening_civil_twilight", "evening_nautical_twilight": TIME or null,
//    "time": TIME or null, "time_is_twilight": true|false,
//    "dr_latitude_deg", "dr_longitude_deg": number or null,
//    "bodies": [{"body": "Vega", "hc_deg": number, "zn_deg": number, "magnitude": number or null}],
//    "proposed": ["Capella", "Fomalhaut", "Vega"]}
//
// TIME is ISO 8601 UT rounded to the second ("2026-12-09T16:41:05Z").
// "date" is the ship's date and "zone_difference" its zone (hours, UT =
// ZT + ZD); "time" is the instant the list is for, "time_is_twilight" true
// where that is the middle of nautical twilight; "dr_..." the DR then (null
// without a time); "bodies" the list in the order asked (the Moon's
// magnitude null); "proposed" the set by azimuth, empty where too few
// stars are up.
#pragma once

#include "obsprep/core/plan.h"

#include <string>

namespace obsprep {

// The document for `plan`, with its line end.
std::string PlanJson(const Plan& plan);

} // namespace obsprep
