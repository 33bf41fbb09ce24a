#include "geo/shown_text.h"

#include <array>

namespace geo {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `s`
// (overlong forms, surrogates and code points beyond U+10FFFF are not
// well-formed), or 0.
std::size_t SequenceLength(std::string_view s)
{
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (s.size() < length || b(1) < low || b(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::string ShownText(std::string_view bytes)
{
    constexpr std::array<char, 17> Hex = {"0123456789ABCDEF"};
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto lead = static_cast<unsigned char>(bytes[0]);
        const std::size_t length = SequenceLength(bytes);
        if (length > 1 || (length == 1 && lead >= 0x20 && lead != 0x7F)) {
            out.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
            continue;
        }
        if (lead == 0xB0)
            out += "\xC2\xB0";
        else
            out += std::string("\\x") + Hex[lead >> 4] + Hex[lead & 0xF];
        bytes.remove_prefix(1);
    }
    return out;
}

} // namespace geo
