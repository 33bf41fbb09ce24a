// The standard error report of the windows: an error that escapes an event
// handler ends that handler and is shown in a message box with an error
// icon, titled with the application's title; the program goes on.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace platform {

// Shows `message` the standard way (or hands it to the reporter a test has
// installed).
void ReportError(const QString& message);

// Replaces the message box, for tests; an empty function puts it back.
// Returns the reporter that was installed before.
using ErrorReporter = std::function<void(const QString& message)>;
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// An error whose text is UTF-8 rather than 8-bit, for texts that name
// files or printers.
class TextError : public std::runtime_error {
public:
    explicit TextError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Runs one event handler: an exception that escapes it is reported by
// ReportError with its what() as the message, read as 8-bit text (UTF-8
// for a TextError). Inside
// another guarded handler it only runs the handler, so that an error ends
// every handler it passes through and is reported once.
void Guard(const std::function<void()>& handler);

} // namespace platform
