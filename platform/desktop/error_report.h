// The standard error report of the windows: an error that escapes an event
// handler ends that handler and is shown in a message box with an error
// icon, titled with the application's title, its text as plain text (see
// message_texts.h); the program goes on.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace platform {

// Shows `message` the standard way, as a modal box (ShowModal), or hands it
// to the reporter a test has installed.
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
// for a TextError). A handler that runs inside another (a change of text
// that fires the field's change handler, inside the toolkit's code) hands
// its error to the outer one instead of throwing it through the toolkit:
// the error comes out of RethrowPassedError, or at the end of the outer
// handler, and is reported once.
void Guard(const std::function<void()>& handler);

// Throws the error a handler run inside this one raised, if any: called
// right after the toolkit call that ran it, so that the error ends this
// handler there, as if it had been thrown through.
void RethrowPassedError();

} // namespace platform
