#include "platform/widgets/field.h"

#include "platform/widgets/typed_text.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace platform {
namespace {

// A focus change that keeps the field the window's active control.
bool Stays(const QFocusEvent* event)
{
    const Qt::FocusReason r = event->reason();
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason || r == Qt::MenuBarFocusReason;
}

// The one refusal under way.
QPointer<Field> leftHalfTyped; // left half-typed; its focus is still to be taken back
bool refusing = false;         // a refusal is taking the focus back or reporting
bool takingBack = false;       // the focus moves back to a refused field
QPointer<QObject> droppedFor;  // the control whose key or click ran the refusal

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

// Runs the refusal of a field left half-typed before any further key or
// click is delivered: those were meant for the control it was left for.
class RefusalGate : public QObject {
public:
    using QObject::QObject;

    static void Install()
    {
        static QPointer<RefusalGate> gate;
        if (!gate && qApp) {
            gate = new RefusalGate(qApp);
            qApp->installEventFilter(gate);
        }
    }

    static void RunPending()
    {
        if (Field* field = leftHalfTyped.data()) {
            leftHalfTyped = nullptr;
            Refuse(*field);
        }
    }

    static void Refuse(Field& field)
    {
        refusing = true;
        takingBack = true;
        field.setFocus(Qt::OtherFocusReason);
        takingBack = false;
        QApplication::beep();
        field.Refused();
        refusing = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (leftHalfTyped && IsInput(type)) {
            droppedFor = watched;
            RunPending();
            event->accept();
            return true;
        }
        // The rest of that key or click goes with it.
        if (droppedFor && (IsInput(type) || type == QEvent::KeyRelease)) {
            if (watched == droppedFor) {
                if (type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease)
                    droppedFor = nullptr;
                event->accept();
                return true;
            }
            droppedFor = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }
};

Field::Field(QWidget* parent) : QLineEdit(parent)
{
    RefusalGate::Install();
}

void Field::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    entered_ = true;
    if (leftHalfTyped == this)
        leftHalfTyped = nullptr; // back before the refusal: nothing to refuse
    const bool back = Stays(event) && cursor_ >= 0;
    if (back) {
        if (selectionLength_ == 0)
            setCursorPosition(cursor_);
        else if (cursor_ == selectionStart_) // the caret at the front of the selection
            setSelection(selectionStart_ + selectionLength_, -selectionLength_);
        else
            setSelection(selectionStart_, selectionLength_);
        cursor_ = -1;
    }
    Entered(event->reason(), back);
}

void Field::focusOutEvent(QFocusEvent* event)
{
    // Noted before the line edit's own handling, which drops the selection.
    bool leaving = false;
    if (Stays(event)) {
        cursor_ = cursorPosition();
        selectionStart_ = selectionStart();
        selectionLength_ = selectionLength();
    } else {
        cursor_ = -1;
        // Entered only on the way to a refused field: never left.
        leaving = entered_ && !takingBack;
        entered_ = false;
    }
    QLineEdit::focusOutEvent(event);
    if (!leaving)
        return;
    if (!HalfTyped()) {
        Left();
    } else if (!refusing && !leftHalfTyped) {
        // The click or the code that took the focus is still under way;
        // the focus comes back once it is done, or before the next input.
        leftHalfTyped = this;
        QTimer::singleShot(0, this, &RefusalGate::RunPending);
    }
}

bool Field::focusNextPrevChild(bool next)
{
    if (!HalfTyped())
        return QLineEdit::focusNextPrevChild(next);
    if (!refusing)
        RefusalGate::Refuse(*this);
    return true;
}

void Field::mouseReleaseEvent(QMouseEvent* event)
{
    // The X selection's middle click pastes through the field's rules.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        event->accept();
        if (!isReadOnly()) {
            deselect();
            PasteText(PastedText(QClipboard::Selection));
        }
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void Field::contextMenuEvent(QContextMenuEvent* event)
{
    // The line edit's own menu would paste around the field's rules.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const auto add = [&](const QString& text, QKeySequence::StandardKey key, bool enabled, auto action) {
        QAction* item = menu->addAction(text, this, action);
        item->setShortcut(QKeySequence(key));
        item->setEnabled(enabled);
    };
    add(tr("Cu&t"), QKeySequence::Cut, editable && hasSelectedText(), [this] {
        CopySelection();
        EraseSelection();
    });
    add(tr("&Copy"), QKeySequence::Copy, hasSelectedText(), [this] { CopySelection(); });
    add(tr("&Paste"), QKeySequence::Paste, editable && !QApplication::clipboard()->text().isEmpty(),
        [this] { PasteText(PastedText()); });
    add(tr("Delete"), QKeySequence::Delete, editable && hasSelectedText(), [this] { EraseSelection(); });
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, !text().isEmpty(), [this] { selectAll(); });
    menu->popup(event->globalPos());
}

bool Field::ClipboardKey(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Paste)) {
        PasteText(PastedText());
        return true;
    }
    if (event.matches(QKeySequence::Cut)) {
        CopySelection();
        EraseSelection();
        return true;
    }
    return false;
}

void Field::Entered(Qt::FocusReason, bool) {}

void Field::Left()
{
    emit exited();
}

void Field::PasteText(const std::string& text)
{
    insert(ToQt(text));
}

void TakeFocusBack(QLineEdit& field)
{
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

} // namespace platform
