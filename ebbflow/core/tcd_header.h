// The ASCII header of a tide-constituent database file, read as libtcd 2
// reads it but stricter: every line "[KEY] = value" with a key libtcd
// knows, printable, short enough for libtcd's line buffer, and no value
// that holds another key (libtcd finds keys anywhere in a line).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace ebbflow {

class TcdHeader {
public:
    // Reads the header lines of `bytes` up to "[END OF ASCII HEADER DATA]".
    // Throws TideDataError with the reason for anything else.
    explicit TcdHeader(std::string_view bytes);

    std::size_t EndOfText = 0; // just after the header's last line

    // A key's text, or empty.
    std::string Text(std::string_view key) const;

    // The value of a numeric key that must be there, within min..max;
    // throws TideDataError otherwise.
    std::int64_t Get(const std::string& key, std::int64_t min, std::int64_t max) const;

private:
    void Read(std::string_view text, int line);

    std::map<std::string_view, std::string_view, std::less<>> Values;
};

} // namespace ebbflow
