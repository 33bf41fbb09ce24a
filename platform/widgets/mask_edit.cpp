#include "platform/widgets/mask_edit.h"

#include "platform/desktop/error_report.h"
#include "platform/widgets/typed_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace platform {
namespace {

constexpr char Blank = '_'; // how an empty position shows
const QString RefusedMessage = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

MaskEdit::MaskEdit(QWidget* parent) : Field(parent)
{
    // Every change goes through the mask: no drops or input methods that
    // would write around it.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void MaskEdit::SetEditMask(const std::string& mask)
{
    const std::string current = Text();
    mask_ = mask;
    const std::string layout = mask.substr(0, mask.find(';'));
    positions_.clear();
    for (char c : layout)
        positions_.push_back(c == '0' || c == '#' ? Position{c, 0} : Position{'L', c});
    SetText(current);
}

bool MaskEdit::IsEditable(int i) const
{
    return positions_[static_cast<std::size_t>(i)].kind != 'L';
}

bool MaskEdit::Accepts(int i, char c) const
{
    if (positions_[static_cast<std::size_t>(i)].kind == '0')
        return IsDigit(c);
    return IsDigit(c) || c == ' ' || (signs_ && (c == '+' || c == '-'));
}

int MaskEdit::FirstEmptyRequired() const
{
    for (std::size_t i = 0; i < positions_.size(); ++i)
        if (positions_[i].kind == '0' && content_[i] == ' ')
            return static_cast<int>(i);
    return -1;
}

std::string MaskEdit::Text() const
{
    return content_;
}

void MaskEdit::SetText(const std::string& text)
{
    // Field by field: the characters up to the literal that closes a field
    // in the mask are that field's, cut to its width or filled with empty
    // positions; what lies beyond the last position is dropped.
    const int n = static_cast<int>(positions_.size());
    content_.assign(positions_.size(), ' ');
    std::size_t t = 0;
    int i = 0;
    while (i < n) {
        const Position& p = positions_[static_cast<std::size_t>(i)];
        if (p.kind == 'L') {
            content_[static_cast<std::size_t>(i)] = p.literal;
            if (t < text.size() && text[t] == p.literal)
                ++t;
            ++i;
            continue;
        }
        int end = i;
        while (end < n && IsEditable(end))
            ++end;
        const bool closed = end < n;
        const char closing = closed ? positions_[static_cast<std::size_t>(end)].literal : 0;
        std::string field;
        while (t < text.size() && !(closed && text[t] == closing))
            field += text[t++];
        for (int k = i; k < end; ++k) {
            const std::size_t f = static_cast<std::size_t>(k - i);
            content_[static_cast<std::size_t>(k)] = f < field.size() ? field[f] : ' ';
        }
        i = end;
    }
    typed_ = false;
    restore_ = content_;
    Show(0);
}

void MaskEdit::SetRefusedText(const std::string& text, const std::string& stored)
{
    SetText(stored);
    const std::string restore = content_;
    SetText(text);
    restore_ = restore;
    typed_ = true;
}

QString MaskEdit::Shown() const
{
    std::string shown = content_;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (positions_[i].kind != 'L' && shown[i] == ' ')
            shown[i] = Blank;
    return ToQt(shown);
}

void MaskEdit::Show(int cursor)
{
    QLineEdit::setText(Shown());
    setCursorPosition(cursor);
}

void MaskEdit::ClearRange(int from, int to)
{
    for (int i = from; i < to && i < static_cast<int>(positions_.size()); ++i) {
        if (IsEditable(i) && content_[static_cast<std::size_t>(i)] != ' ') {
            content_[static_cast<std::size_t>(i)] = ' ';
            typed_ = true;
        }
    }
}

MaskEdit::Keystroke MaskEdit::TypeInto(std::string& content, int& cursor, int from, int to, char c) const
{
    const int n = static_cast<int>(positions_.size());
    const int at = from < to ? from : cursor;
    // Typing the literal that stands at the caret steps over it; typing the
    // one the caret has just stepped over changes nothing.
    if (at < n && !IsEditable(at) && positions_[static_cast<std::size_t>(at)].literal == c) {
        cursor = at + 1;
        return Keystroke::Moved;
    }
    if (from >= to && at > 0 && at <= n && !IsEditable(at - 1) &&
        positions_[static_cast<std::size_t>(at - 1)].literal == c)
        return Keystroke::Moved;
    int p = at;
    while (p < n && !IsEditable(p))
        ++p;
    if (p < n && !Accepts(p, c)) {
        // A literal typed ahead of its place jumps there, leaving the
        // positions before it as they are.
        int literal = p;
        while (literal < n && IsEditable(literal))
            ++literal;
        if (literal < n && positions_[static_cast<std::size_t>(literal)].literal == c) {
            cursor = literal + 1;
            return Keystroke::Moved;
        }
        return Keystroke::Refused;
    }
    if (p >= n)
        return Keystroke::Refused;
    // Only an accepted character replaces the selection.
    for (int i = std::max(from, 0); i < to && i < n; ++i)
        if (IsEditable(i))
            content[static_cast<std::size_t>(i)] = ' ';
    content[static_cast<std::size_t>(p)] = c;
    int next = p + 1;
    while (next < n && !IsEditable(next))
        ++next;
    cursor = next;
    return Keystroke::Typed;
}

void MaskEdit::TypeText(const std::string& text)
{
    // All or nothing: one character the field does not take leaves the
    // text, the selection and the caret as they were.
    std::string content = content_;
    int cursor = cursorPosition();
    int from = hasSelectedText() ? selectionStart() : -1;
    int to = hasSelectedText() ? selectionEnd() : -1;
    bool typed = false;
    for (char c : text) {
        const Keystroke k = TypeInto(content, cursor, from, to, c);
        if (k == Keystroke::Refused) {
            QApplication::beep();
            return;
        }
        typed = typed || k == Keystroke::Typed;
        from = to = -1; // the selection goes with the first character
    }
    content_ = content;
    typed_ = typed_ || typed;
    Show(cursor);
}

void MaskEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (typed_) {
            const std::string before = restore_;
            SetText(before);
            emit restored();
        }
        event->accept();
        return;
    }
    if (ClipboardKey(*event))
        return;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        int cursor = cursorPosition();
        if (hasSelectedText()) {
            cursor = selectionStart();
            ClearRange(cursor, selectionEnd());
        } else if (event->key() == Qt::Key_Backspace) {
            int p = cursor - 1;
            while (p >= 0 && !IsEditable(p))
                --p;
            if (p >= 0) {
                ClearRange(p, p + 1);
                cursor = p;
            }
        } else {
            int p = cursor;
            while (p < static_cast<int>(positions_.size()) && !IsEditable(p))
                ++p;
            ClearRange(p, p + 1);
        }
        Show(cursor);
        return;
    }
    if (const std::string typed = TypedText(*event); !typed.empty()) {
        TypeText(typed);
        return;
    }
    // Navigation, selection, copying: the line edit's own. A key that would
    // change the text some other way changes nothing.
    const int cursor = cursorPosition();
    const int from = selectionStart();
    const int length = selectionLength();
    QLineEdit::keyPressEvent(event);
    if (QLineEdit::text() != Shown()) {
        Show(cursor);
        if (length > 0)
            setSelection(from, length);
    }
}

void MaskEdit::mousePressEvent(QMouseEvent* event)
{
    Field::mousePressEvent(event);
    const bool empty = std::all_of(content_.begin(), content_.end(), [](char c) { return !IsDigit(c); });
    if (event->button() == Qt::LeftButton && empty && !hasSelectedText()) {
        int first = 0;
        while (first < static_cast<int>(positions_.size()) && !IsEditable(first))
            ++first;
        setCursorPosition(first);
    }
}

void MaskEdit::PasteText(const std::string& text)
{
    // A whole entry (laid from the first position it fills every one)
    // replaces what the field holds, wherever the caret is; anything else
    // is typed at the caret.
    std::string whole = content_;
    for (std::size_t i = 0; i < whole.size(); ++i)
        if (IsEditable(static_cast<int>(i)))
            whole[i] = ' ';
    int cursor = 0;
    bool fits = !text.empty();
    for (char c : text)
        fits = fits && TypeInto(whole, cursor, -1, -1, c) != Keystroke::Refused;
    for (std::size_t i = 0; fits && i < whole.size(); ++i)
        fits = !IsEditable(static_cast<int>(i)) || whole[i] != ' ';
    if (!fits) {
        TypeText(text);
        return;
    }
    content_ = whole;
    typed_ = true;
    Show(cursor);
}

void MaskEdit::EraseSelection()
{
    const int from = selectionStart();
    ClearRange(from, selectionEnd());
    Show(from < 0 ? cursorPosition() : from);
}

void MaskEdit::Entered(Qt::FocusReason, bool)
{
    // A refused entry keeps what it had to restore.
    if (!typed_)
        restore_ = content_;
}

void MaskEdit::Left()
{
    typed_ = false;
    Field::Left();
}

void MaskEdit::Refused()
{
    deselect();
    const int empty = FirstEmptyRequired();
    setCursorPosition(empty < 0 ? 0 : empty);
    ReportError(RefusedMessage);
}

} // namespace platform
