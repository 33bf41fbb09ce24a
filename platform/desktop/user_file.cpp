#include "platform/desktop/user_file.h"

#include "platform/desktop/error_report.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// The system's reason for the operation that just failed ("No space left on
// device"); Qt's own text is "Unknown error" for some of them.
TextError Failure(const QString& failure, const QString& file, const QFileDevice& device)
{
    const int error = errno;
    const QString reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : device.errorString();
    return TextError(failure.arg(file, reason));
}

void RefuseSpecialFile(const QString& file, const QString& failure)
{
    const QFileInfo info(file); // links followed
    if (info.exists() && !info.isFile())
        throw TextError(failure.arg(file, QStringLiteral("it is not a regular file")));
}

} // namespace

void WriteWholeFile(const QString& file, const QByteArray& bytes, const QString& failure)
{
    WriteWholeFile(file, [&bytes] { return bytes; }, failure);
}

void WriteWholeFile(const QString& file, const std::function<QByteArray()>& make, const QString& failure)
{
    RefuseSpecialFile(file, failure);
    QSaveFile out(file);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        throw Failure(failure, file, out); // a missing folder, no permission: nothing made
    const QByteArray bytes = make();       // an error leaves `out` uncommitted: no file
    // A write that only reaches the file's buffer is checked by the flush;
    // the file is replaced only after both succeeded.
    errno = 0;
    if (out.write(bytes) != bytes.size() || !out.flush())
        throw Failure(failure, file, out);
    RefuseSpecialFile(file, failure); // made meanwhile: nothing is written
    errno = 0;
    if (!out.commit())
        throw Failure(failure, file, out);
}

QByteArray ReadSmallFile(const QString& file, qint64 limit, const QString& failure)
{
    RefuseSpecialFile(file, failure);
    QFile in(file);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        throw Failure(failure, file, in);
    errno = 0;
    const QByteArray bytes = in.read(limit + 1);
    if (in.error() != QFileDevice::NoError)
        throw Failure(failure, file, in);
    return bytes;
}

} // namespace platform
