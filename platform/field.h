// A single-line field whose leaving is an event of its own (OnExit), as the
// windows' handlers expect. It is left when the focus moves to another
// control of the window after the field had received it. Switching to
// another window, opening a menu (with the mouse, its Alt key or F10) or a
// message box keeps the field the window's active control: that is no
// exit, and the field gets its caret and selection back with the focus. A
// focus-out that Qt sends to a field that never got its focus-in (focus
// taken back while it was moving) is none either.
#pragma once

#include <QLineEdit>

namespace platform {

class Field : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    // The focus left the field (OnExit).
    void exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // The field has the focus, given for `reason`: entered anew, or `back`
    // from a menu or another window with its caret and selection as they
    // were.
    virtual void Entered(Qt::FocusReason reason, bool back);
    // The field was left; emits exited() unless the field refuses.
    virtual void Left();

private:
    bool entered_ = false;
    int cursor_ = -1; // where the caret was when a menu or window took the focus
    int selectionStart_ = -1;
    int selectionLength_ = 0;
};

// Gives the focus back to `field` after its entry was refused, with its
// whole text selected, as Tab enters it, so that what the user types next
// replaces it.
void TakeFocusBack(QLineEdit& field);

} // namespace platform
