// Reading the "hh:mm" texts of the time fields.
#pragma once

#include <cstdint>
#include <string>

namespace legplot {

struct TimeParts {
    std::uint16_t Hours = 0;
    std::uint16_t Minutes = 0;
    std::uint16_t Seconds = 0;
};

// Hours from characters 1-2, minutes from 4-5 and seconds from 7-8 when the
// text has at least 8 characters (otherwise 0); the characters between are
// not looked at. Throws ConvertError for a part that is not a decimal
// integer and RangeError for a negative part.
TimeParts SplitTimeText(const std::string& text);

} // namespace legplot
