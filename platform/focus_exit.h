// When a field's focus-out is an exit (OnExit): the focus moved to another
// control of the window after the field had received it. Switching to
// another window, opening a menu (with the mouse, its Alt key or F10) or a
// message box keeps the field the window's active control: that is no
// exit, and the field gets its caret and selection back with the focus.
// A focus-out that Qt sends to a field that never got its focus-in (focus
// taken back while it was moving) is none either.
#pragma once

#include <QFocusEvent>
#include <QLineEdit>

namespace platform {

class ExitTracker {
public:
    // Call after the line edit's own focusInEvent. True when the focus
    // comes back from a menu or another window rather than entering anew;
    // the caret and selection are then as they were.
    bool FocusIn(QLineEdit& field, const QFocusEvent* event)
    {
        entered_ = true;
        if (!Stays(event) || cursor_ < 0)
            return false;
        if (selectionLength_ == 0)
            field.setCursorPosition(cursor_);
        else if (cursor_ == selectionStart_) // the caret at the front of the selection
            field.setSelection(selectionStart_ + selectionLength_, -selectionLength_);
        else
            field.setSelection(selectionStart_, selectionLength_);
        cursor_ = -1;
        return true;
    }

    // Call before the line edit's own focusOutEvent, which drops the
    // selection. True when this focus-out leaves the field.
    bool FocusOut(const QLineEdit& field, const QFocusEvent* event)
    {
        if (Stays(event)) {
            cursor_ = field.cursorPosition();
            selectionStart_ = field.selectionStart();
            selectionLength_ = field.selectionLength();
            return false;
        }
        cursor_ = -1;
        const bool was = entered_;
        entered_ = false;
        return was;
    }

private:
    static bool Stays(const QFocusEvent* event)
    {
        const Qt::FocusReason r = event->reason();
        return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason || r == Qt::MenuBarFocusReason;
    }

    bool entered_ = false;
    int cursor_ = -1; // where the caret was when a menu or window took the focus
    int selectionStart_ = -1;
    int selectionLength_ = 0;
};

// Gives the focus back to `field` after its entry was refused, with its
// whole text selected, as Tab enters it, so that what the user types next
// replaces it.
inline void TakeFocusBack(QLineEdit& field)
{
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

} // namespace platform
