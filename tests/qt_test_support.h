// Helpers for the window tests: an error report that records instead of
// showing a message box, and focus that works on the offscreen platform.
#pragma once

#include "platform/error_report.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Records every standard error report while it lives.
class ErrorRecorder {
public:
    ErrorRecorder()
    {
        previous_ = platform::SetErrorReporter([this](const QString& message) { messages.append(message); });
    }
    ~ErrorRecorder() { platform::SetErrorReporter(previous_); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList messages;

private:
    platform::ErrorReporter previous_;
};

// Shows a window and makes it the active one, so that focus and Tab work.
inline void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
}

// Puts the focus in a field as a click or Tab would, and lets it settle.
inline void Enter(QWidget* field)
{
    field->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// Leaves the focused field with Tab.
inline void Tab(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Tab);
    QApplication::processEvents();
}

} // namespace testsupport
