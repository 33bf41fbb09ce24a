#include "geo/int_text.h"

#include "geo/errors.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace geo {

int StrToInt(std::string_view text)
{
    const std::string_view whole = text;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    // A plus is taken as the runtime takes it; from_chars reads the minus.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-')
            throw ConvertError(std::string(whole));
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw ConvertError(std::string(whole)); // not a number, more after it, or beyond 32 bits
    return value;
}

void AppendZeroPadded(std::string& text, std::int64_t n, int width)
{
    if (n < 0) {
        text += std::to_string(n);
        return;
    }
    char digits[20];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, n);
    (void)error; // twenty places hold any 64-bit value
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
    text.append(digits, end);
}

} // namespace geo
