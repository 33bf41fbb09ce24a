// A single-line edit field that holds its text in a fixed mask.
//
// Mask language: "0" a position that must hold a digit, "#" one that may
// hold a digit, a sign or nothing, any other character a literal the user
// cannot overtype. An optional tail ";1;_" (or ";0;_") is accepted; the
// literals are always part of the text, and empty positions show as "_".
//
// Text() is the full width of the mask with the literals in place and every
// empty position as a blank. SetText() fits a text into the mask field by
// field. When the user leaves a field whose text was changed by typing
// while a "0" position is still empty, the field refuses: it beeps, keeps
// the focus, puts the caret on the first such position and reports
// "Invalid input value.  Use escape key to abandon changes"; exited() is
// not emitted. Escape restores the text from before the editing and says
// so (restored()). A field
// that was not changed is never refused. A key or a paste the mask does not
// take changes nothing: text, selection and caret stay as they were.
// Drops are not taken at all. A click into a field with nothing typed puts
// the caret on its first position, where typing starts. A paste that is a
// whole entry replaces the field's text wherever the caret is.
#pragma once

#include "platform/widgets/field.h"

#include <string>
#include <vector>

namespace platform {

class MaskEdit : public Field {
    Q_OBJECT

public:
    explicit MaskEdit(QWidget* parent = nullptr);

    // Changing the mask re-lays the current text under the new one.
    void SetEditMask(const std::string& mask);
    const std::string& EditMask() const { return mask_; }

    std::string Text() const;
    void SetText(const std::string& text);
    // Shows `text`, an entry the window refused, as changed by typing;
    // Escape brings back `stored`, the text of what the window holds.
    void SetRefusedText(const std::string& text, const std::string& stored);

    bool HalfTyped() const override { return typed_ && FirstEmptyRequired() >= 0; }

    // The text was changed by typing since it was last set or accepted:
    // what Escape would undo, which the text alone does not tell.
    bool ChangedByTyping() const { return typed_; }
    // The text as last set or accepted: while typing, what Escape brings back.
    std::string TakenText() const { return typed_ ? restore_ : content_; }

    // Whether "#" positions take a sign ("+", "-") as well as a digit or a
    // blank; they do unless the field is a magnitude.
    void SetSignsAllowed(bool allowed) { signs_ = allowed; }

signals:
    // Escape brought back the text from before the editing (TakenText());
    // an Escape with nothing typed to undo is none.
    void restored();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void Entered(Qt::FocusReason reason, bool back) override;
    void Left() override;
    void Refused() override;
    void PasteText(const std::string& text) override;
    void EraseSelection() override;

private:
    struct Position {
        char kind;    // '0', '#' or 'L' for a literal
        char literal; // the literal character, for kind 'L'
    };

    enum class Keystroke { Refused, Moved, Typed };

    bool IsEditable(int i) const;
    bool Accepts(int i, char c) const;
    int FirstEmptyRequired() const;
    Keystroke TypeInto(std::string& content, int& cursor, int from, int to, char c) const;
    void TypeText(const std::string& text);
    void ClearRange(int from, int to);
    QString Shown() const;
    void Show(int cursor);

    std::string mask_;
    std::vector<Position> positions_;
    std::string content_;  // one character a position; ' ' for empty
    std::string restore_;  // the text when editing began
    bool typed_ = false;
    bool signs_ = true;
};

} // namespace platform
