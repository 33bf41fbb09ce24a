// Helpers for the window tests: an error report that records instead of
// showing a message box, focus that works on the offscreen platform, keys
// typed as a user types them, and the window's dialogs answered.
#pragma once

#include "platform/desktop/error_report.h"
#include "platform/desktop/modal.h"
#include "platform/window/surface_colours.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

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

// Replaces what `field` holds with `text`, typed with keys, and leaves it
// with Tab. A field that is no line edit (a list, a date) is typed into
// through the line edit it holds.
inline void TypeAndLeave(QWidget* field, const QString& text)
{
    Enter(field);
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit)
        edit = field->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
    Tab(edit);
}

// A position typed into the kit's position fields (platform::PositionEntry
// and its kind) as a user types it, each field left with Tab: the
// latitude's digits, its letter unless `nors` is empty, the longitude's
// digits, its letter unless `eorw` is empty.
template <class Entry>
void TypePosition(Entry& position, const QString& lat, const QString& nors, const QString& lon, const QString& eorw)
{
    TypeAndLeave(position.Lat, lat);
    if (!nors.isEmpty())
        TypeAndLeave(position.NorS, nors);
    TypeAndLeave(position.Lon, lon);
    if (!eorw.isEmpty())
        TypeAndLeave(position.EorW, eorw);
}

// The day, the month and the year in the order `field` (the suite's date
// field or Qt's) shows them.
template <class DateField>
QStringList InShownOrder(const DateField* field, const QString& day, const QString& month, const QString& year)
{
    const QString format = field->displayFormat();
    std::vector<std::pair<qsizetype, QString>> parts = {
        {format.indexOf(QRegularExpression(QStringLiteral("(?<!d)dd?(?!d)"))), day},
        {format.indexOf(QLatin1Char('M')), month},
        {format.indexOf(QLatin1Char('y')), year},
    };
    std::sort(parts.begin(), parts.end());
    return {parts[0].second, parts[1].second, parts[2].second};
}

// A date typed section by section from the field's start, in the order
// the field shows them, and left with Tab.
template <class DateField>
void TypeDate(DateField* field, const QString& day, const QString& month, const QString& year)
{
    Enter(field);
    Press(QStringLiteral("<Home>") + InShownOrder(field, day, month, year).join(QString()) + QStringLiteral("<Tab>"));
}

// A button's access key (Alt+`key`): the button clicks once its press is
// seen, a moment later.
inline void AccessKey(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QTest::qWait(250);
}

// Opens File by Alt+F and picks the item of access key `key`.
inline void FileMenu(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), key);
    QApplication::processEvents();
}

// Answers a file dialog as a user does: `fileName` typed into its name
// field and Return (Escape when the name is empty); then the dialog is
// hidden and the window it was over is active again, as on a desktop.
// Returns the dialog's result.
inline int AnswerFileDialog(QFileDialog& files, const QString& fileName)
{
    QWidget* owner = files.parentWidget() ? files.parentWidget()->window() : nullptr;
    ShowActive(files);
    auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setFocus();
    if (fileName.isEmpty()) {
        QTest::keyClick(name, Qt::Key_Escape);
    } else {
        QTest::keyClicks(name, fileName);
        QTest::keyClick(name, Qt::Key_Return);
    }
    QApplication::processEvents();
    files.hide();
    if (owner)
        ShowActive(*owner);
    return files.result();
}

// Stands in for the user in a window's dialogs while it lives: a file
// dialog gets `fileName` (AnswerFileDialog), a question is answered
// `button` and its text kept in `question`.
class DialogAnswers {
public:
    explicit DialogAnswers(QString name = {}) : fileName(std::move(name))
    {
        previous_ = platform::SetModalRunner([this](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog))
                return AnswerFileDialog(*files, fileName);
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                question = box->text();
            return static_cast<int>(button);
        });
    }
    ~DialogAnswers() { platform::SetModalRunner(previous_); }
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    QString fileName;
    QMessageBox::StandardButton button = QMessageBox::Cancel;
    QString question;

private:
    platform::ModalRunner previous_;
};

// The bytes of a file, empty when it cannot be read.
inline QByteArray FileBytes(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
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
