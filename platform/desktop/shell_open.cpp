#include "platform/desktop/shell_open.h"

#include "platform/desktop/seam.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <utility>

#ifdef _WIN32
#include "platform/system/shell_execute.h"
#endif

namespace platform {
namespace {

Seam<DocumentOpener> openerSeam; // used only once main has begun

#ifndef _WIN32
// The file a bare name stands for in the working directory, if any.
std::optional<QFileInfo> Resolve(const QString& file)
{
    // A bare name only: nothing that climbs out of the working directory.
    if (file.isEmpty() || file.contains(QLatin1Char('/')))
        return std::nullopt;
    QStringList candidates{file};
    if (file.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        candidates.append(file.chopped(4));
    for (const QString& name : candidates) {
        const QFileInfo info(QDir::current(), name);
        if (info.isFile())
            return info;
    }
    return std::nullopt;
}
#endif

} // namespace

DocumentOpener SetDocumentOpener(DocumentOpener opener)
{
    return openerSeam.Replace(std::move(opener));
}

void ShellOpen(const QString& file, const std::optional<QString>& parameters, OpenAs kind)
{
#ifdef _WIN32
    const QByteArray name = file.toLocal8Bit();
    const QByteArray params = parameters ? parameters->toLocal8Bit() : QByteArray();
    ShellExecuteOpen(name.constData(), parameters ? params.constData() : nullptr);
    (void)kind;
#else
    const std::optional<QFileInfo> found = Resolve(file);
    if (!found)
        return;
    const QString path = found->absoluteFilePath();
    if (kind == OpenAs::Program) {
        if (found->isExecutable()) {
            const QStringList arguments = parameters ? QStringList{*parameters} : QStringList{};
            QProcess::startDetached(path, arguments, QDir::currentPath());
        }
        return;
    }
    if (const DocumentOpener& opener = openerSeam.Installed())
        opener(path, parameters);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

} // namespace platform
