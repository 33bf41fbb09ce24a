#include "launcher/core/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace launcher {
namespace {

// libjpeg's default error handler ends the process; this one jumps back
// to the decoder instead.
struct ErrorReturn {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

extern "C" void ReturnOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorReturn*>(info->err)->back, 1);
}

// Warnings about damaged data are not the user's concern.
extern "C" void KeepQuiet(j_common_ptr) {}

// The decoder's state lives with the caller: after an error jumps back,
// only what this frame reaches through its (unchanged) pointers is used,
// and no destructor is skipped.
struct Decoder {
    jpeg_decompress_struct info;
    ErrorReturn error;
};

bool Decode(Decoder* d, const unsigned char* data, unsigned long size, JpegPixels* out)
{
    d->info.err = jpeg_std_error(&d->error.manager);
    d->error.manager.error_exit = ReturnOnError;
    d->error.manager.output_message = KeepQuiet;
    if (setjmp(d->error.back)) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, data, size);
    if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    // A header may claim any size; no picture of this program is larger.
    constexpr unsigned long LargestPicture = 64ul << 20; // pixels
    if (static_cast<unsigned long>(d->info.output_width) * d->info.output_height > LargestPicture) {
        jpeg_destroy_decompress(&d->info);
        return false;
    }
    out->Width = static_cast<int>(d->info.output_width);
    out->Height = static_cast<int>(d->info.output_height);
    const std::size_t stride = static_cast<std::size_t>(d->info.output_width) * 3;
    out->Rgb.assign(stride * d->info.output_height, 0);
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW row = out->Rgb.data() + stride * d->info.output_scanline;
        jpeg_read_scanlines(&d->info, &row, 1);
    }
    jpeg_finish_decompress(&d->info);
    jpeg_destroy_decompress(&d->info);
    return true;
}

} // namespace

std::optional<JpegPixels> DecodeJpegPixels(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return std::nullopt;
    JpegPixels pixels;
    Decoder decoder{};
    if (!Decode(&decoder, data, static_cast<unsigned long>(size), &pixels))
        return std::nullopt;
    return pixels;
}

} // namespace launcher
