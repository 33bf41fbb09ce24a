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

// The time of day a departure time stands for, in seconds since midnight:
// ((hours mod 24) x 3600 + minutes x 60 + seconds) mod 86400, so 25:00 is
// 01:00 and 12:75 is 13:15. The parts are bytes: one above 255 throws
// RangeError.
std::int32_t TimeOfDay(const TimeParts& time);

} // namespace legplot
