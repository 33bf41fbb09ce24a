#include "ebbflow/core/text_fold.h"

#include <array>
#include <cstdint>

namespace ebbflow {
namespace {

// The base letters of U+00C0..U+017F, lower case ("" drops the character,
// '*' keeps it as it is).
constexpr std::string_view Latin1Letters[] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // C0
    "d", "n", "o", "o", "o", "o", "o", "*", "o", "u", "u", "u", "u", "y", "th", "ss", // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // E0
    "d", "n", "o", "o", "o", "o", "o", "*", "o", "u", "u", "u", "u", "y", "th", "y",  // F0
};
// U+0100..U+017F, Latin Extended-A: pairs of upper and lower case.
constexpr std::string_view ExtendedLetters =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkkllllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

void AppendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point at text[at], moving `at` past it; a byte that does not
// start well-formed UTF-8 is its own Latin-1 code point.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
    if (lead < 0x80 || length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    std::uint32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    at += length;
    return c;
}

} // namespace

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1)
        AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::string SearchKey(std::string_view utf8)
{
    std::string key;
    key.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::uint32_t c = NextCodePoint(utf8, at);
        if (c < 0x80)
            key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        else if (c >= 0x300 && c < 0x370) // combining accents
            continue;
        else if (c >= 0xC0 && c < 0x100 && Latin1Letters[c - 0xC0] != "*")
            key += Latin1Letters[c - 0xC0];
        else if (c >= 0x100 && c < 0x100 + ExtendedLetters.size())
            key += ExtendedLetters[c - 0x100];
        else
            AppendUtf8(key, c);
    }
    return key;
}

} // namespace ebbflow
