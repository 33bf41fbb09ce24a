// Reads arbitrary bytes as the code or name of a geographic CRS. A refusal
// (DatumError) is fine; a crash or undefined behaviour is a finding, and
// so is a CRS found whose position comes back off the globe without a
// refusal.
#include "datumshift/core/datum_shift.h"
#include "datumshift/core/errors.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static datumshift::DatumShifter shifter; // one PROJ context, as a window holds it
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const datumshift::CrsDescription crs = shifter.Describe(text);
        const datumshift::AreaOfUse& a = crs.Area;
        const double east = a.East >= a.West ? a.East : a.East + 360; // across 180°
        const datumshift::Position middle{(a.South + a.North) / 2, (a.West + east) / 2 - crs.PrimeMeridian, 0};
        const datumshift::DatumShift s = shifter.Shift(text, "EPSG:4326", middle);
        if (!(std::fabs(s.Latitude) <= 90) || !std::isfinite(s.Longitude) || !(s.ShiftDistance >= 0))
            __builtin_trap();
    } catch (const datumshift::DatumError&) {
    }
    return 0;
}
