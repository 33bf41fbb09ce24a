// Feeds arbitrary bytes to the launcher's JPEG decoder: a picture or none,
// never a crash, an exit from inside libjpeg, or a read out of bounds.
#include "launcher/core/jpeg_decode.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pixels = launcher::DecodeJpegPixels(data, size);
    if (pixels && pixels->Rgb.size() != static_cast<std::size_t>(pixels->Width) * pixels->Height * 3)
        std::abort();
    return 0;
}
