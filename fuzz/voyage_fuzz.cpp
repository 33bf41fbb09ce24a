// Sails arbitrary plans: any start, courses, speeds and intervals, any
// departure text, ellipsoid index and format. Errors of the computation are
// fine; a crash, undefined behaviour or a number that is not finite in the
// plan is a finding.
#include "geo/errors.h"
#include "legplot/core/voyage.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double Take(const std::uint8_t*& data, std::size_t& size)
{
    double v = 0;
    if (size >= sizeof v) {
        std::memcpy(&v, data, sizeof v);
        data += sizeof v;
        size -= sizeof v;
    }
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int ellipsoid = static_cast<int>(data[0] % 27) - 1;
    const auto format = static_cast<geo::AngleFormat>(data[1] % 4);
    const int year = 1590 + data[2] * 10;
    const int month = 1 + data[0] % 12;
    const int day = 1 + data[1] % 31;
    const std::string time(reinterpret_cast<const char*>(data + 3), size >= 8 ? 5 : 0);
    if (size >= 8) {
        data += 5;
        size -= 5;
    }
    data += 3;
    size -= 3;

    legplot::VoyagePlan plan;
    plan.StartLat = Take(data, size);
    plan.StartLon = Take(data, size);
    for (auto& leg : plan.Legs) {
        leg.Course = Take(data, size);
        leg.Speed = Take(data, size);
        leg.Interval = Take(data, size);
    }
    const legplot::VoyageInputs in{year, month, day, time, ellipsoid, format};
    try {
        legplot::SailVoyage(plan, in, [](int, const legplot::LegTexts&) {});
    } catch (const std::runtime_error&) {
    }
    for (const auto& leg : plan.Legs)
        if (!std::isfinite(leg.EndLat) || !std::isfinite(leg.EndLon))
            std::abort();
    return 0;
}
