#include "datumshift/core/datum_catalogue.h"

#include <algorithm>

namespace datumshift {

std::string EpsgCode(int code) { return "EPSG:" + std::to_string(code); }

std::vector<DatumEntry> OfferedDatums()
{
    std::vector<DatumEntry> offered(CommonDatums.begin(), CommonDatums.end());
    for (const EllipsoidDatum& row : EllipsoidDatums) {
        const bool listed = std::ranges::any_of(offered, [&](const DatumEntry& d) { return d.Code == row.Code; });
        if (row.Code != 0 && !listed)
            offered.push_back({row.Name, row.Code});
    }
    return offered;
}

} // namespace datumshift
