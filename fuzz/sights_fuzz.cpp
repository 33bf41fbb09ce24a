// Reads arbitrary bytes as a sights file. A refusal (FileFormatError) is
// fine; a crash, undefined behaviour, a file taken whose text as written
// is not read back to the same text (the DR is written to the thousandth
// of a second of arc, so decimal degrees typed finer come back rounded
// once), a byte-order mark that changes what is read, or a file taken
// whose round cannot be made, is a finding.
#include "celpos/core/sights_file.h"
#include "fuzz/keyed_file_fuzz.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<celpos::SightsEntries> entries =
        fuzzsupport::ReadWithAndWithoutMark(celpos::ReadSightsFile, bytes, celpos::LargestSightsFile);
    if (!entries)
        return 0;
    const std::string written = celpos::WriteSightsFile(*entries);
    const celpos::SightsEntries back = celpos::ReadSightsFile(written);
    if (celpos::WriteSightsFile(back) != written || back.Sights != entries->Sights)
        std::abort();
    try {
        celpos::RoundOf(*entries); // what the file holds, the window and the fix take
    } catch (const celpos::SightError&) {
        std::abort();
    }
    return 0;
}
