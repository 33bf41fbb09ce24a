#include "platform/picture/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace platform {

std::optional<PictureFormat> PictureFormatOf(const QString& fileName)
{
    const QString ending = QFileInfo(fileName).suffix().toLower();
    if (ending == QLatin1String("png"))
        return PictureFormat::Png;
    if (ending == QLatin1String("jpg") || ending == QLatin1String("jpeg"))
        return PictureFormat::Jpeg;
    if (ending == QLatin1String("svg"))
        return PictureFormat::Svg;
    return std::nullopt;
}

QString PictureEndings()
{
    return QStringLiteral(".png, .jpg, .jpeg or .svg");
}

QByteArray DrawnPicture(QSize size, PictureFormat format, const PictureText& text,
                        const std::function<void(QPainter&)>& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(), size));
        generator.setTitle(text.Title);
        generator.setDescription(text.Description);
        {
            QPainter painter(&generator); // the picture is written when it ends
            draw(painter);
        }
        return buffer.data();
    }
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        draw(painter);
    }
    if (!image.save(&buffer, format == PictureFormat::Jpeg ? "JPEG" : "PNG"))
        return {};
    return buffer.data();
}

} // namespace platform
