// Reads arbitrary bytes as a TZif file. A refusal (ZoneFileError) is fine;
// a crash, undefined behaviour, or a zone whose local time of an instant
// does not map back to that instant is a finding.
#include "timezones/time_errors.h"
#include "timezones/time_text.h"
#include "timezones/tzif.h"
#include "timezones/zone.h"
#include "timezones/zone_day.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace timezones;

void Probe(const Zone& zone, UtcSeconds t)
{
    if (t < FirstInstant + 2 * SecondsPerDay || t > LastInstant - 2 * SecondsPerDay) return;
    const LocalDateTime local = zone.LocalTimeOf(t);
    const LocalTimeMapping mapping = zone.Map(local);
    if (mapping.Kind == LocalTimeKind::Gap || mapping.Earlier > t || t > mapping.Later) std::abort();
    const DayBounds day = DayInZone(zone, local.Date);
    (void)day;
    (void)FormatIso(static_cast<double>(t) + 0.5, zone);
    (void)zone.NextOffsetChange(t, 400 * SecondsPerDay);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<UtcSeconds> transitions;
    try {
        transitions = ParseTzif(bytes, "fuzz.tzif").TransitionTimes;
    } catch (const ZoneFileError&) {
        return 0;
    }
    const Zone zone = Zone::FromTzif("Fuzz/Zone", bytes, "fuzz.tzif");
    // Around the file's first transitions, and where only the footer rules.
    for (std::size_t i = 0; i < transitions.size() && i < 16; ++i)
        for (UtcSeconds step : {-1, 0, 1})
            if (transitions[i] > FirstInstant && transitions[i] < LastInstant) Probe(zone, transitions[i] + step);
    for (UtcSeconds t : {-2208988800LL, 0LL, 1798761600LL, 3818448000LL, 3833000000LL, 253370000000LL})
        Probe(zone, t);
    return 0;
}
