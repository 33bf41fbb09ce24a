#include "geo/int_text.h"

#include "geo/errors.h"

#include <cstdint>
#include <limits>
#include <string>

namespace geo {

int StrToInt(std::string_view text)
{
    const auto fail = [text]() { return ConvertError(std::string(text)); };

    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        throw fail();

    // Accumulate the magnitude in 64 bits; the range test below keeps it far
    // from overflowing.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw fail();
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            throw fail();
    }
    if (!negative && magnitude == limit)
        throw fail();
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace geo
