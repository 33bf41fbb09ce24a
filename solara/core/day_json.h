// The command line's --json output: the keys are a contract with the
// scripts that read them.
//
//   {"zone": "Europe/London", "days": [{"date": "2026-12-09",
//     "sun": {"astronomical_dawn", "nautical_dawn", "civil_dawn", "rise",
//             "transit", "set", "civil_dusk", "nautical_dusk",
//             "astronomical_dusk": TIME or null,
//             "transit_altitude_deg": number, "state": "normal"|"above"|"below"},
//     "moon": {"rise", "transit", "set": [TIME, ...], "illuminated": 0..1,
//              "age_days": number, "phase_deg": number},
//     "day_length": "hh:mm:ss" or null,
//     "phases": [{"kind": "new"|"first_quarter"|"full"|"last_quarter", "time": TIME}]}]}
//
// TIME is the zone's ISO 8601 local time rounded to the second, with its
// offset ("2026-12-09T08:01:23+00:00"). The Sun's events are the first of
// their kind in the day (near the polar circles a day can hold two
// sunrises; the window lists them all), null where there is none; the
// transit is given even when the Sun stays below the horizon, with the true
// altitude of its centre (null only on a day without a meridian passage).
// "state" is "above" on a day the Sun neither rises nor sets, "below" on
// one it does not rise, "normal" otherwise (twilight all night included).
// "day_length" is the time the Sun is above the horizon, null on days it
// neither rises nor sets. The Moon's figures are for 12:00 local: the
// illuminated fraction, the days since the last new moon and its apparent
// ecliptic longitude minus the Sun's (0 to 360 degrees).
#pragma once

#include "solara/core/almanac.h"

#include <string>
#include <vector>

namespace solara {

// The document for `days` in `zone`, with its line end.
std::string DaysJson(const timezones::Zone& zone, const std::vector<AlmanacDay>& days);

} // namespace solara
