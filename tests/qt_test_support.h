// Helpers for the window tests: an error report that records instead of
// showing a message box, and focus that works on the offscreen platform.
#pragma once

#include "platform/desktop/error_report.h"
#include "platform/window/surface_colours.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>

// Failures show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

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

// Sends a mouse move to `target` (at its centre, or at `at`), as the window
// system would.
inline void MoveOver(QWidget* target, QWidget* window, QPoint at = {})
{
    const QPoint local = at.isNull() ? target->rect().center() : at;
    QMouseEvent move(QEvent::MouseMove, local, target->mapTo(window, local), target->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// Presses `keys` at whatever has the focus, one after the other:
// characters as typed, and named keys in angle brackets ("<Tab>", "<Esc>",
// "<BackTab>", "<BS>", "<Del>", "<Left>", "<Right>", "<Home>", "<End>",
// "<Up>", "<Down>", "<PgUp>", "<PgDn>").
inline void Press(const QString& keys)
{
    static const std::map<QString, Qt::Key> named = {
        {QStringLiteral("Tab"), Qt::Key_Tab},     {QStringLiteral("Esc"), Qt::Key_Escape},
        {QStringLiteral("BackTab"), Qt::Key_Backtab},
        {QStringLiteral("BS"), Qt::Key_Backspace}, {QStringLiteral("Del"), Qt::Key_Delete},
        {QStringLiteral("Left"), Qt::Key_Left},   {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Home"), Qt::Key_Home},   {QStringLiteral("End"), Qt::Key_End},
        {QStringLiteral("Up"), Qt::Key_Up},       {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("PgUp"), Qt::Key_PageUp}, {QStringLiteral("PgDn"), Qt::Key_PageDown},
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        const qsizetype close = keys.indexOf(QLatin1Char('>'), i);
        if (keys[i] == QLatin1Char('<') && close > i + 1 && named.count(keys.mid(i + 1, close - i - 1))) {
            QTest::keyClick(focus, named.at(keys.mid(i + 1, close - i - 1)));
            i = close;
        } else {
            QTest::keyClick(focus, keys[i].toLatin1());
        }
        QApplication::processEvents();
    }
}

// Leaves the focused field with Tab.
inline void Tab(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Tab);
    QApplication::processEvents();
}

// The desktop switches to a dark colour scheme while it lives, and back to
// the one before when it ends.
class DarkDesktop {
public:
    DarkDesktop() : previous_(QApplication::palette())
    {
        const QColor surface(53, 53, 53), base(42, 42, 42), text(238, 238, 238);
        QPalette dark(text, surface, surface.lighter(), surface.darker(), surface, text, Qt::white, base, surface);
        QApplication::setPalette(dark);
        QApplication::processEvents();
    }
    ~DarkDesktop()
    {
        QApplication::setPalette(previous_);
        QApplication::processEvents();
    }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    QPalette previous_;
};

// Every visible widget of `window` shows its text at a contrast of at least
// 4.5 : 1 against what it stands on.
inline void ExpectReadable(QWidget& window)
{
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QPalette& p = w->palette();
        const double contrast = platform::ContrastRatio(p.color(w->foregroundRole()), p.color(w->backgroundRole()));
        EXPECT_GE(contrast, 4.5) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

// The accessible name of every object a screen reader reaches from `root`.
inline std::map<const QObject*, QString> AccessibleNames(QObject* root)
{
    std::map<const QObject*, QString> names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node)
            return;
        names[node->object()] = node->text(QAccessible::Name);
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(root));
    return names;
}

} // namespace testsupport
