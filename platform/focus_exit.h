// When a field's focus-out is an exit (OnExit): the focus moved to another
// control of the window after the field had received it. Switching to
// another window or opening a menu or a message box keeps the field the
// window's active control; and a focus-out that Qt sends to a field that
// never got its focus-in (focus taken back while it was moving) is none.
#pragma once

#include <QFocusEvent>

namespace platform {

class ExitTracker {
public:
    void FocusIn() { entered_ = true; }

    // True when this focus-out leaves the field.
    bool FocusOut(const QFocusEvent* event)
    {
        if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
            return false;
        const bool was = entered_;
        entered_ = false;
        return was;
    }

private:
    bool entered_ = false;
};

} // namespace platform
