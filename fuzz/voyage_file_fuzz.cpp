// Reads arbitrary bytes as a voyage file. A refusal (VoyageFileError) is
// fine; a crash, undefined behaviour, a file taken that does not write
// back to one read the same, or a byte-order mark before it that changes
// what is read, is a finding.
#include "legplot/core/voyage_file.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<legplot::VoyageEntries> Read(std::string_view bytes)
{
    try {
        return legplot::ReadVoyageFile(bytes);
    } catch (const legplot::VoyageFileError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<legplot::VoyageEntries> entries = Read(bytes);
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (size + ByteOrderMark.size() <= legplot::LargestVoyageFile && !bytes.starts_with(ByteOrderMark) &&
        Read(std::string(ByteOrderMark) + std::string(bytes)) != entries)
        std::abort();
    if (entries && !(legplot::ReadVoyageFile(legplot::WriteVoyageFile(*entries)) == *entries))
        std::abort();
    return 0;
}
