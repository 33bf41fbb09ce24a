// Decoding a JPEG picture with libjpeg into plain RGB pixels (Qt-free, so
// that the fuzz targets can reach it).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace launcher {

struct JpegPixels {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgb; // rows of Width * 3 bytes, top row first
};

// The picture in `data` (baseline or progressive, grey or colour), or
// nothing for data that is not a readable JPEG or claims more than 64
// million pixels. libjpeg's errors come back here instead of ending the
// program, and its warnings about damaged data are not printed.
std::optional<JpegPixels> DecodeJpegPixels(const unsigned char* data, std::size_t size);

} // namespace launcher
