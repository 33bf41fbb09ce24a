// Pictures a window exports (a chart, a plotting sheet): the kind a file's
// name asks for, and the picture's bytes drawn by the window's own
// painting, for WriteWholeFile to write whole or not at all.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

namespace platform {

enum class PictureFormat { Png, Jpeg, Svg };

// The kind a file name's ending names, in any case: ".png", ".jpg" or
// ".jpeg", ".svg"; none for any other ending or none at all.
std::optional<PictureFormat> PictureFormatOf(const QString& fileName);

// What a refusal of another ending says: the endings pictures are written
// with (".png, .jpg, .jpeg or .svg").
QString PictureEndings();

// What an SVG picture says of itself; the others carry no text.
struct PictureText {
    QString Title;       // "Plotting sheet"
    QString Description; // what a screen reader hears of the window's picture
};

// The picture of `size` pixels that `draw` paints on a painter whose
// device is that size (from 0, 0), as `format`: PNG and JPEG in 32-bit
// RGB, SVG with `text` and a view box of `size`. Empty when Qt cannot
// write that kind of picture here (a JPEG without its plugin).
QByteArray DrawnPicture(QSize size, PictureFormat format, const PictureText& text,
                        const std::function<void(QPainter&)>& draw);

} // namespace platform
