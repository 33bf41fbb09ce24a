#include "platform/keyed_text/keyed_text.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF"; // which some editors write first
constexpr std::string_view Blanks = " \t";                    // around keys and values
constexpr char32_t Degree = 0xB0;
constexpr char32_t Tab = 0x09;

// `value` in upper-case hexadecimal, at least `digits` long.
std::string Hex(char32_t value, std::size_t digits)
{
    constexpr std::string_view HexDigits = "0123456789ABCDEF";
    std::string text;
    for (char32_t rest = value; rest != 0 || text.size() < digits; rest >>= 4)
        text.insert(text.begin(), HexDigits[rest & 0xF]);
    return text;
}

// What is wrong at a place of a line; columns count characters from 1.
FileFormatError At(int line, std::size_t column, const std::string& what)
{
    return FileFormatError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what);
}

// The code point the UTF-8 bytes at the front of `bytes` spell, and how
// many bytes it takes; a length of 0 for bytes that are not UTF-8
// (overlong forms, surrogates, values past U+10FFFF).
std::pair<char32_t, std::size_t> Decode(std::string_view bytes)
{
    const auto first = static_cast<unsigned char>(bytes.front());
    if (first < 0x80)
        return {first, 1};
    std::size_t length = 0;
    char32_t c = 0, smallest = 0;
    if ((first & 0xE0) == 0xC0)
        length = 2, c = first & 0x1F, smallest = 0x80;
    else if ((first & 0xF0) == 0xE0)
        length = 3, c = first & 0x0F, smallest = 0x800;
    else if ((first & 0xF8) == 0xF0)
        length = 4, c = first & 0x07, smallest = 0x10000;
    if (length == 0 || bytes.size() < length)
        return {0, 0};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        c = c << 6 | (next & 0x3F);
    }
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c < smallest || c > 0x10FFFF || surrogate ? std::pair<char32_t, std::size_t>{0, 0}
                                                     : std::pair{c, length};
}

// A character the format does not hold, named as Unicode names it.
FileFormatError StrayCharacter(int line, std::size_t column, char32_t c, const KeyedFormat& format)
{
    return At(line, column,
              "it holds the character U+" + Hex(c, 4) + ", which is not part of " + std::string(format.Holder));
}

// Refuses the first character of a line that the format does not hold.
void CheckLine(std::string_view raw, int line, const KeyedFormat& format)
{
    std::size_t columns = 0;
    for (std::size_t at = 0; at < raw.size();) {
        ++columns;
        const auto [c, length] = Decode(raw.substr(at));
        if (length == 0)
            throw At(line, columns, "it holds the byte 0x" + Hex(static_cast<unsigned char>(raw[at]), 2) +
                                        ", which is not UTF-8 text");
        if (!(c == Tab || (c >= 0x20 && c < 0x7F) || c == Degree))
            throw StrayCharacter(line, columns, c, format);
        at += length;
    }
}

// Columns (from 1) of the byte at `offset` of `text`: characters before it, plus one.
std::size_t ColumnOf(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<std::size_t>(std::count_if(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset),
                                                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) + 1 - first);
}

// A tab left inside a key or a value, `part` of `line`.
void RefuseInnerTab(std::string_view line, std::string_view part, int number, const KeyedFormat& format)
{
    if (const std::size_t tab = part.find('\t'); tab != std::string_view::npos)
        throw StrayCharacter(number, ColumnOf(line, static_cast<std::size_t>(part.data() - line.data()) + tab), Tab,
                             format);
}

// The first line names the format and its version; looked at before
// anything else, so that a file of another kind is refused as such.
void ReadSignature(std::string_view text, const KeyedFormat& format)
{
    std::string_view first = text.substr(0, text.find('\n'));
    if (!first.empty() && first.back() == '\r')
        first.remove_suffix(1);
    const std::string prefix = "VORLAN " + std::string(format.Kind) + " ";
    const std::string_view number = first.substr(std::min(first.size(), prefix.size()));
    const bool digits = !number.empty() && number.size() <= 4 &&
                        std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; });
    if (!first.starts_with(prefix) || !digits)
        throw FileFormatError("it is not a " + std::string(format.Kind) + " file (its first line is not \"VORLAN " +
                              std::string(format.Kind) + "\" and a version)");
    const int version = std::stoi(std::string(number));
    if (version != format.Version)
        throw FileFormatError("it was written in version " + std::to_string(version) + " of the " +
                              std::string(format.Kind) + " format; this program reads version " +
                              std::to_string(format.Version));
}

} // namespace

void RefuseLine(int line, const std::string& what)
{
    throw FileFormatError("line " + std::to_string(line) + ": " + what);
}

std::string KeyedSignature(const KeyedFormat& format)
{
    return "VORLAN " + std::string(format.Kind) + " " + std::to_string(format.Version) + "\n";
}

KeyedValues::KeyedValues(std::string_view text, const KeyedFormat& format) : document_(format.Document)
{
    if (text.size() > format.Largest)
        throw FileFormatError("it is larger than any " + std::string(format.Kind) + " file (" +
                              std::to_string(format.Largest) + " bytes at most)");
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    if (text.empty())
        throw FileFormatError("it is empty");
    ReadSignature(text, format);
    if (text.back() != '\n')
        throw FileFormatError("it is truncated: its last line has no end");
    int number = 1;
    for (std::size_t at = text.find('\n') + 1; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        CheckLine(line, number, format);
        const std::string_view content = Trimmed(line);
        if (content.empty() || content.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            RefuseLine(number, "it is not \"key = value\"");
        const std::string_view key = Trimmed(line.substr(0, equals)), value = Trimmed(line.substr(equals + 1));
        RefuseInnerTab(line, key, number, format);
        RefuseInnerTab(line, value, number, format);
        if (values_.contains(std::string(key)))
            RefuseLine(number, "the key " + std::string(key) + " appears a second time");
        values_.emplace(std::string(key), KeyedValue{std::string(value), number});
    }
}

KeyedValue KeyedValues::Take(const std::string& key)
{
    const auto found = values_.find(key);
    if (found == values_.end())
        throw FileFormatError("it is truncated or damaged: the key " + key + " is missing");
    KeyedValue value = std::move(found->second);
    values_.erase(found);
    return value;
}

void KeyedValues::RefuseKeysLeft() const
{
    if (!values_.empty())
        RefuseLine(values_.begin()->second.Line,
                   "the key " + values_.begin()->first + " is not a key of " + std::string(document_));
}

} // namespace platform
