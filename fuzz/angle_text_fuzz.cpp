// Feeds arbitrary bytes to the angle parsers, BlanksToZeros and FormatAngle.
// The only acceptable failure is the conversion error of a field that is
// not a decimal integer; anything else (a crash, undefined behaviour, an
// out-of-range cast, a changed value after a rejected entry) is a finding.
#include "geo/angle_text.h"
#include "geo/errors.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void CheckParse(bool isLongitude, const std::string& text, geo::AngleFormat format, double incoming)
{
    double value = incoming;
    std::string message = "x";
    try {
        if (isLongitude)
            geo::ParseLongitude(text, format, value, message);
        else
            geo::ParseLatitude(text, format, value, message);
    } catch (const geo::ConvertError&) {
        if (!message.empty() || std::memcmp(&value, &incoming, sizeof value) != 0)
            std::abort();
        return;
    }
    if (!message.empty() && std::memcmp(&value, &incoming, sizeof value) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 + sizeof(double))
        return 0;
    const auto format = static_cast<geo::AngleFormat>(static_cast<int>(data[0] % 5) - 1);
    const bool isLongitude = (data[0] & 0x80) != 0;
    double number;
    std::memcpy(&number, data + 1, sizeof number);
    const std::string text(reinterpret_cast<const char*>(data + 1 + sizeof number), size - 1 - sizeof number);

    const std::string shown = geo::FormatAngle(format, isLongitude, number);
    if (geo::BlanksToZeros(text).size() != text.size())
        std::abort();

    CheckParse(isLongitude, text, format, number);
    CheckParse(isLongitude, shown, format, number < 0 ? -1.0 : 1.0);
    return 0;
}
