#include "ebbflow/core/tcd_header.h"

#include "ebbflow/core/tide_errors.h"

#include <array>
#include <charconv>
#include <limits>

namespace ebbflow {
namespace {

constexpr std::string_view HeaderEnd = "[END OF ASCII HEADER DATA]";
// libtcd reads header lines into 90 bytes: the text, its newline and a NUL.
constexpr std::size_t LongestHeaderLine = 88;

[[noreturn]] void Refuse(const std::string& reason)
{
    throw TideDataError(reason);
}

enum class Kind { Text, Unsigned, Signed };

struct Key {
    std::string_view Name;
    Kind Type;
};

// Every key libtcd 2 reads; it finds a key anywhere in a line, so no other
// line may stand in the header.
constexpr std::array Keys{
    Key{"[VERSION]", Kind::Text},
    Key{"[MAJOR REV]", Kind::Unsigned},
    Key{"[MINOR REV]", Kind::Unsigned},
    Key{"[LAST MODIFIED]", Kind::Text},
    Key{"[NUMBER OF RECORDS]", Kind::Unsigned},
    Key{"[START YEAR]", Kind::Signed},
    Key{"[NUMBER OF YEARS]", Kind::Unsigned},
    Key{"[CONSTITUENTS]", Kind::Unsigned},
    Key{"[LEVEL UNIT TYPES]", Kind::Unsigned},
    Key{"[DIRECTION UNIT TYPES]", Kind::Unsigned},
    Key{"[RESTRICTION TYPES]", Kind::Unsigned},
    Key{"[PEDIGREE TYPES]", Kind::Unsigned},
    Key{"[TZFILES]", Kind::Unsigned},
    Key{"[COUNTRIES]", Kind::Unsigned},
    Key{"[DATUM TYPES]", Kind::Unsigned},
    Key{"[LEGALESES]", Kind::Unsigned},
    Key{"[LEGALESE TYPES]", Kind::Unsigned},
    Key{"[HEADER SIZE]", Kind::Unsigned},
    Key{"[SPEED BITS]", Kind::Unsigned},
    Key{"[SPEED SCALE]", Kind::Unsigned},
    Key{"[SPEED OFFSET]", Kind::Signed},
    Key{"[EQUILIBRIUM BITS]", Kind::Unsigned},
    Key{"[EQUILIBRIUM SCALE]", Kind::Unsigned},
    Key{"[EQUILIBRIUM OFFSET]", Kind::Signed},
    Key{"[NODE BITS]", Kind::Unsigned},
    Key{"[NODE SCALE]", Kind::Unsigned},
    Key{"[NODE OFFSET]", Kind::Signed},
    Key{"[AMPLITUDE BITS]", Kind::Unsigned},
    Key{"[AMPLITUDE SCALE]", Kind::Unsigned},
    Key{"[EPOCH BITS]", Kind::Unsigned},
    Key{"[EPOCH SCALE]", Kind::Unsigned},
    Key{"[CONSTITUENT BITS]", Kind::Unsigned},
    Key{"[LEVEL UNIT BITS]", Kind::Unsigned},
    Key{"[DIRECTION UNIT BITS]", Kind::Unsigned},
    Key{"[RESTRICTION BITS]", Kind::Unsigned},
    Key{"[PEDIGREE BITS]", Kind::Unsigned},
    Key{"[TZFILE BITS]", Kind::Unsigned},
    Key{"[COUNTRY BITS]", Kind::Unsigned},
    Key{"[DATUM BITS]", Kind::Unsigned},
    Key{"[LEGALESE BITS]", Kind::Unsigned},
    Key{"[RECORD TYPE BITS]", Kind::Unsigned},
    Key{"[LATITUDE SCALE]", Kind::Unsigned},
    Key{"[LATITUDE BITS]", Kind::Unsigned},
    Key{"[LONGITUDE SCALE]", Kind::Unsigned},
    Key{"[LONGITUDE BITS]", Kind::Unsigned},
    Key{"[RECORD SIZE BITS]", Kind::Unsigned},
    Key{"[STATION BITS]", Kind::Unsigned},
    Key{"[DATUM OFFSET BITS]", Kind::Unsigned},
    Key{"[DATUM OFFSET SCALE]", Kind::Unsigned},
    Key{"[DATE BITS]", Kind::Unsigned},
    Key{"[MONTHS ON STATION BITS]", Kind::Unsigned},
    Key{"[CONFIDENCE VALUE BITS]", Kind::Unsigned},
    Key{"[TIME BITS]", Kind::Unsigned},
    Key{"[LEVEL ADD BITS]", Kind::Unsigned},
    Key{"[LEVEL ADD SCALE]", Kind::Unsigned},
    Key{"[LEVEL MULTIPLY BITS]", Kind::Unsigned},
    Key{"[LEVEL MULTIPLY SCALE]", Kind::Unsigned},
    Key{"[DIRECTION BITS]", Kind::Unsigned},
    Key{"[CONSTITUENT SIZE]", Kind::Unsigned},
    Key{"[LEVEL UNIT SIZE]", Kind::Unsigned},
    Key{"[DIRECTION UNIT SIZE]", Kind::Unsigned},
    Key{"[RESTRICTION SIZE]", Kind::Unsigned},
    Key{"[PEDIGREE SIZE]", Kind::Unsigned},
    Key{"[TZFILE SIZE]", Kind::Unsigned},
    Key{"[COUNTRY SIZE]", Kind::Unsigned},
    Key{"[DATUM SIZE]", Kind::Unsigned},
    Key{"[LEGALESE SIZE]", Kind::Unsigned},
    Key{"[END OF FILE]", Kind::Unsigned},
};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

TcdHeader::TcdHeader(std::string_view bytes)
{
    std::size_t at = 0;
    for (int line = 1;; ++line) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            Refuse(line == 1 ? "it is not a tide-constituent database" : "it is truncated");
        const std::string_view text = bytes.substr(at, end - at);
        if (line == 1 && !text.starts_with("[VERSION]"))
            Refuse("it is not a tide-constituent database");
        at = end + 1;
        if (text == HeaderEnd)
            break;
        Read(text, line);
    }
    EndOfText = at;
}


std::string TcdHeader::Text(std::string_view key) const
{
    const auto found = Values.find(key);
    return found == Values.end() ? std::string() : std::string(found->second);
}


std::int64_t TcdHeader::Get(const std::string& key, std::int64_t min, std::int64_t max) const
{
    const auto found = Values.find(key);
    if (found == Values.end())
        Refuse("its header has no " + key);
    std::int64_t value = 0;
    const std::string_view text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        Refuse("its header's " + key + " is out of range (" + std::string(text) + ")");
    return value;
}


void TcdHeader::Read(std::string_view text, int line)
{
    const std::string where = "its header's line " + std::to_string(line);
    if (text.size() > LongestHeaderLine)
        Refuse(where + " is too long");
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            Refuse(where + " holds a character that is not text");
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        Refuse(where + " is not \"[KEY] = value\"");
    const std::string_view name = Trimmed(text.substr(0, equals));
    const std::string_view value = Trimmed(text.substr(equals + 1));
    const Key* key = nullptr;
    for (const Key& k : Keys)
        if (k.Name == name)
            key = &k;
    if (key == nullptr)
        Refuse(where + " has an unknown key " + std::string(name));
    if (value.find_first_of("[]") != std::string_view::npos)
        Refuse(where + " holds a bracket in its value");
    if (key->Type != Kind::Text) {
        const std::string_view digits = key->Type == Kind::Signed && value.starts_with('-') ? value.substr(1) : value;
        if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            Refuse(where + " has no number for " + std::string(name));
        std::int64_t n = 0;
        std::from_chars(value.data(), value.data() + value.size(), n);
        const bool fits = key->Type == Kind::Signed
                              ? n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max()
                              : n <= std::numeric_limits<std::uint32_t>::max();
        if (!fits)
            Refuse(where + " has no number for " + std::string(name));
    }
    Values[name] = value;
}


} // namespace ebbflow
