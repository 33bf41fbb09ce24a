// Decoding the About box's JPEG picture with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>

namespace launcher {

// The picture in `data` (baseline or progressive, grey or colour) as an
// RGB image; a null image for data that is not a readable JPEG. A corrupt
// picture never ends the program: libjpeg's errors come back here.
QImage DecodeJpeg(const QByteArray& data);

} // namespace launcher
