// What the fuzz targets of the suite's keyed text files (voyages, sights)
// hold every reader to, whatever the bytes.
#pragma once

#include "platform/keyed_text/keyed_text.h"

#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace fuzzsupport {

// What `read` takes from `bytes`; none where it refuses them as no file of
// its format (FileFormatError). Any other error ends the run.
template <class Read>
auto ReadOrNone(const Read& read, std::string_view bytes) -> std::optional<decltype(read(bytes))>
{
    try {
        return read(bytes);
    } catch (const platform::FileFormatError&) {
        return std::nullopt;
    }
}

// What `read` takes from `bytes`, after aborting where a byte-order mark
// before them (within `largest` bytes) changes what it takes.
template <class Read>
auto ReadWithAndWithoutMark(const Read& read, std::string_view bytes, std::size_t largest)
{
    const auto entries = ReadOrNone(read, bytes);
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.size() + ByteOrderMark.size() <= largest && !bytes.starts_with(ByteOrderMark) &&
        ReadOrNone(read, std::string(ByteOrderMark) + std::string(bytes)) != entries)
        std::abort();
    return entries;
}

} // namespace fuzzsupport
