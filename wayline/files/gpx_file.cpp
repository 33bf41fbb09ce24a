#include "wayline/files/gpx_file.h"

#include "wayline/files/gpx_read.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace wayline {

GpxRoute ReadGpxFile(const std::string& fileName, std::optional<std::size_t> index)
{
    const QString file = QString::fromStdString(fileName);
    const auto refuse = [&](const std::string& why) {
        return GpxError("The route could not be opened from " + fileName + ": " + why);
    };
    const QFileInfo info(file); // links followed
    if (info.exists() && !info.isFile())
        throw refuse("it is not a regular file");
    QFile in(file);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        throw refuse(errno != 0 ? std::strerror(errno) : in.errorString().toStdString());
    errno = 0;
    const QByteArray bytes = in.read(static_cast<qint64>(LargestGpxFile) + 1);
    if (in.error() != QFileDevice::NoError)
        throw refuse(errno != 0 ? std::strerror(errno) : in.errorString().toStdString());
    return ChooseRoute(ReadGpx(bytes, file), index, file);
}

} // namespace wayline
