#include "launcher/window/jpeg_picture.h"

#include "launcher/core/jpeg_decode.h"

#include <algorithm>

namespace launcher {

QImage DecodeJpeg(const QByteArray& data)
{
    const std::optional<JpegPixels> pixels =
        DecodeJpegPixels(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<std::size_t>(data.size()));
    if (!pixels)
        return {};
    QImage image(pixels->Width, pixels->Height, QImage::Format_RGB888);
    const std::size_t stride = static_cast<std::size_t>(pixels->Width) * 3;
    for (int y = 0; y < pixels->Height; ++y)
        std::copy_n(pixels->Rgb.data() + stride * static_cast<std::size_t>(y), stride, image.scanLine(y));
    return image;
}

} // namespace launcher
