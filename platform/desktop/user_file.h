// Files a user keeps: written whole or not at all, read without trust.
#pragma once

#include "platform/desktop/error_report.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <exception>
#include <functional>
#include <string_view>

namespace platform {

// Replaces or creates `file` with `bytes`, whole or not at all: a failure
// (a missing folder, no permission, a full disk) throws TextError with
// `failure`'s %1 as the file and %2 as the system's reason, and leaves a
// file that was there as it was. A device, a pipe or a socket (or a link
// to one) is refused ("it is not a regular file"), never opened.
void WriteWholeFile(const QString& file, const QByteArray& bytes, const QString& failure);

// The same, for bytes that are made only once the file could be opened
// (a page that is drawn): a file that cannot be written is refused before
// `make` runs, and an error `make` throws goes on unchanged, leaving the
// file as it was.
void WriteWholeFile(const QString& file, const std::function<QByteArray()>& make, const QString& failure);

// Reads at most `limit` + 1 bytes of `file`, so that the caller can tell a
// file larger than any it takes; the same failures, and a file that is not
// a regular file is refused without being opened (a pipe would hold the
// window).
QByteArray ReadSmallFile(const QString& file, qint64 limit, const QString& failure);

// What `read` (a core's reader of a kept file's text: voyages, sights)
// makes of the bytes of `file`, read as ReadSmallFile reads them; an error
// it throws becomes TextError with `failure`'s %1 as the file and %2 as
// the reader's reason (UTF-8).
template <class Read>
auto ReadKeptFile(const QString& file, std::size_t limit, const QString& failure, const Read& read)
{
    const QByteArray bytes = ReadSmallFile(file, static_cast<qint64>(limit), failure);
    try {
        return read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& e) {
        throw TextError(failure.arg(file, QString::fromUtf8(e.what())));
    }
}

} // namespace platform
