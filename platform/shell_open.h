// Opening a program or a document by its bare file name, as the desktop
// shell does, without waiting for it and without learning whether it
// started.
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

// Opens `file`, a bare name, with `parameters` (none is not the same as an
// empty string).
//
// On Windows this is ShellExecuteA(0, nullptr, file, parameters, nullptr,
// SW_SHOW). Elsewhere the name is looked up in the current working
// directory, as given and, for a name ending in ".exe", also without that
// ending; an executable file found there is started detached, by its
// absolute path, with the parameter string as its single argument; any
// other existing file goes to the desktop's default application. No shell
// ever sees the name or the parameters. Nothing is reported.
void ShellOpen(const QString& file, const std::optional<QString>& parameters);

// What ShellOpen does with a document (not an executable) it found: hand it
// to the desktop. Tests replace it; an empty function puts it back. Returns
// the one installed before.
using DocumentOpener = std::function<void(const QString& absolutePath, const std::optional<QString>& parameters)>;
DocumentOpener SetDocumentOpener(DocumentOpener opener);

} // namespace platform
