// Opening a program or a document by its bare file name, as the desktop
// shell does, without waiting for it and without learning whether it
// started.
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

// What a name stands for: a program to start, or a document for the
// desktop to open.
enum class OpenAs { Program, Document };

// Opens `file`, a bare name, with `parameters` (none is not the same as an
// empty string).
//
// On Windows this is ShellExecuteA(0, nullptr, file, parameters, nullptr,
// SW_SHOW). Elsewhere the name is looked up in the current working
// directory, as given and, for a name ending in ".exe", also without that
// ending. A program is started detached, by its absolute path, with the
// parameter string as its single argument, only when it is a regular file
// the user may execute: a file without that right (a copy from a stick) is
// as good as missing, never handed to some application registered for its
// type. A document goes to the desktop's default application. No shell ever
// sees the name or the parameters. Nothing is reported.
void ShellOpen(const QString& file, const std::optional<QString>& parameters, OpenAs kind);

// What ShellOpen does with a document it found: hand it to the desktop. Tests replace it; an empty function puts it back. Returns
// the one installed before.
using DocumentOpener = std::function<void(const QString& absolutePath, const std::optional<QString>& parameters)>;
DocumentOpener SetDocumentOpener(DocumentOpener opener);

} // namespace platform
