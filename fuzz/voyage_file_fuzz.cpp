// Reads arbitrary bytes as a voyage file. A refusal (VoyageFileError) is
// fine; a crash, undefined behaviour, a file taken that does not write
// back to one read the same, or a byte-order mark before it that changes
// what is read, is a finding.
#include "fuzz/keyed_file_fuzz.h"
#include "legplot/core/voyage_file.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<legplot::VoyageEntries> entries =
        fuzzsupport::ReadWithAndWithoutMark(legplot::ReadVoyageFile, bytes, legplot::LargestVoyageFile);
    if (entries && !(legplot::ReadVoyageFile(legplot::WriteVoyageFile(*entries)) == *entries))
        std::abort();
    return 0;
}
