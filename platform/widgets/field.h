// A single-line field whose leaving is an event of its own (OnExit), as the
// windows' handlers expect. It is left when the focus moves to another
// control of the window after the field had received it. Switching to
// another window, opening a menu (with the mouse, its Alt key or F10) or a
// message box keeps the field the window's active control: that is no
// exit, and the field gets its caret and selection back with the focus. A
// focus-out that Qt sends to a field that never got its focus-in (focus
// taken back while it was moving) is none either.
//
// A field whose entry is half-typed refuses to be left: Tab stays, and
// when the focus went elsewhere (a click, a focus change made by code) it
// is taken back at once, the keys and clicks meant for the other control
// are dropped, and the field reports why. At most one refusal is under way
// at any time, so a refusal never opens inside another.
//
// Every paste goes through the field's own rules: the paste keys, the
// context menu and the X selection's middle click alike.
#pragma once

#include <QLineEdit>

#include <string>

namespace platform {

class Field : public QLineEdit {
    Q_OBJECT

public:
    explicit Field(QWidget* parent = nullptr);

    // Leaving the field now would be refused.
    virtual bool HalfTyped() const { return false; }

signals:
    // The focus left the field (OnExit).
    void exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // The field has the focus, given for `reason`: entered anew, or `back`
    // from a menu or another window with its caret and selection as they
    // were.
    virtual void Entered(Qt::FocusReason reason, bool back);
    // The field was left with an entry it takes; emits exited().
    virtual void Left();
    // The focus is back after the field refused to be left: point at what
    // is missing and report it (ReportError).
    virtual void Refused() {}

    // `text` typed at the caret (or over the selection), whole or not at
    // all; a plain field inserts it as it stands.
    virtual void PasteText(const std::string& text);
    // Empties the selection the field's own way (Cut, Delete).
    virtual void EraseSelection() { del(); }
    // Puts what Copy and Cut take on the clipboard: the selection.
    virtual void CopySelection() { copy(); }
    // Paste and Cut from the keyboard, through the field's own rules; false
    // for any other key.
    bool ClipboardKey(const QKeyEvent& event);

private:
    friend class RefusalGate;

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
