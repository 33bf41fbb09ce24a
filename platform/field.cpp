#include "platform/field.h"

#include <QFocusEvent>

namespace platform {
namespace {

// A focus change that keeps the field the window's active control.
bool Stays(const QFocusEvent* event)
{
    const Qt::FocusReason r = event->reason();
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason || r == Qt::MenuBarFocusReason;
}

} // namespace

void Field::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    entered_ = true;
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
        leaving = entered_;
        entered_ = false;
    }
    QLineEdit::focusOutEvent(event);
    if (leaving)
        Left();
}

void Field::Entered(Qt::FocusReason, bool) {}

void Field::Left()
{
    emit exited();
}

void TakeFocusBack(QLineEdit& field)
{
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

} // namespace platform
