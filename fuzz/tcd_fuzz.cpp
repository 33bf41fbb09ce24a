// Reads arbitrary bytes as a tide-constituent database, through the check
// and libtcd. A refusal (TideDataError) is fine; a crash, an abort or exit
// inside libtcd, or undefined behaviour is a finding. A database taken is
// predicted from, so that what libtcd read is used.
#include "ebbflow/core/prediction.h"
#include "ebbflow/core/tide_database.h"
#include "ebbflow/core/tide_errors.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const auto db = ebbflow::TideDatabase::FromBytes(
            "fuzz.tcd", std::string_view(reinterpret_cast<const char*>(data), size));
        for (const ebbflow::Station& s : db.Stations()) {
            try {
                const double t = 1.6e9; // 2020
                ebbflow::PredictEvents(db, s, t, t + 2 * 86400.0);
            } catch (const ebbflow::PredictionError&) {
            }
        }
    } catch (const ebbflow::TideDataError&) {
    }
    return 0;
}
