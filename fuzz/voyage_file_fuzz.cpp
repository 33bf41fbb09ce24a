// Reads arbitrary bytes as a voyage file. A refusal (VoyageFileError) is
// fine; a crash, undefined behaviour, or a file taken that does not write
// back to one read the same is a finding.
#include "legplot/core/voyage_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    legplot::VoyageEntries entries;
    try {
        entries = legplot::ReadVoyageFile(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const legplot::VoyageFileError&) {
        return 0;
    }
    if (!(legplot::ReadVoyageFile(legplot::WriteVoyageFile(entries)) == entries))
        std::abort();
    return 0;
}
