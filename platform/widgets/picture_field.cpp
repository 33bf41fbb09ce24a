#include "platform/widgets/picture_field.h"

#include "platform/widgets/typed_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>

namespace platform {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Overwrite mode shows a block caret one character of the field's font
// wide. One style serves every field: each would otherwise make a style of
// its own, which costs a window's start more than all its fields.
class BlockCaretStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TextCursorWidth && widget)
            return widget->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    static BlockCaretStyle* Shared()
    {
        static QPointer<BlockCaretStyle> style;
        if (!style) {
            style = new BlockCaretStyle;
            style->setParent(qApp); // ends with the application
        }
        return style;
    }
};

bool IsTimeOfDay(const std::string& text)
{
    const auto part = [&](std::size_t at) {
        const char a = text[at] == ' ' ? '0' : text[at];
        const char b = text[at + 1] == ' ' ? '0' : text[at + 1];
        return IsDigit(a) && IsDigit(b) ? (a - '0') * 10 + (b - '0') : -1;
    };
    const int h = part(0), m = part(3);
    return h >= 0 && h <= 23 && m >= 0 && m <= 59;
}

} // namespace

PictureField::PictureField(QWidget* parent) : Field(parent)
{
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setStyle(BlockCaretStyle::Shared());
    Show(0);
}

void PictureField::SetPicture(const std::string& picture, Kind kind)
{
    picture_ = picture;
    kind_ = kind;
    SetText(content_);
}

std::string PictureField::Text() const
{
    return content_;
}

void PictureField::SetText(const std::string& text)
{
    content_ = text.substr(0, picture_.size());
    content_.resize(picture_.size(), ' ');
    for (std::size_t i = 0; i < picture_.size(); ++i)
        if (picture_[i] == ':')
            content_[i] = ':';
    Show(0);
}

bool PictureField::Accepts(std::size_t i, char c) const
{
    if (picture_[i] == ':')
        return false;
    if (kind_ == Kind::Time)
        return IsDigit(c) || c == ' ';
    return IsDigit(c) || c == ' ' || c == '-' || c == '.';
}

void PictureField::Show(int cursor)
{
    QLineEdit::setText(ToQt(content_));
    setCursorPosition(cursor);
    UpdateErrorColours();
}

void PictureField::UpdateErrorColours()
{
    error_ = kind_ == Kind::Time && !IsTimeOfDay(content_);
    // Only the error colours are the field's own; otherwise it takes the
    // window's.
    QPalette colours;
    if (error_) {
        colours.setColor(QPalette::Base, Qt::red);
        colours.setColor(QPalette::Text, Qt::black);
    }
    setPalette(colours);
}

bool PictureField::TypeInto(std::string& content, std::size_t& cursor, const std::string& text) const
{
    const std::size_t n = content.size();
    for (char c : text) {
        if (cursor < n && picture_[cursor] == ':') {
            ++cursor; // the fixed ":" is stepped over, or typed over
            if (c == ':')
                continue;
        }
        if (cursor >= n || !Accepts(cursor, c))
            return false;
        content[cursor++] = c; // overwrite mode
    }
    return true;
}

void PictureField::TypeText(const std::string& text)
{
    // All or nothing: one character the picture does not take leaves the
    // text, the selection and the caret as they were.
    std::string content = content_;
    std::size_t cursor = static_cast<std::size_t>(hasSelectedText() ? selectionStart() : cursorPosition());
    // Typing with the caret at the end (where entering the field puts it)
    // overwrites from the first position.
    if (cursor >= content.size())
        cursor = 0;
    if (!TypeInto(content, cursor, text)) {
        QApplication::beep();
        return;
    }
    content_ = content;
    Show(static_cast<int>(cursor));
}

void PictureField::PasteText(const std::string& text)
{
    // A whole entry ("01:30") replaces the field wherever the caret is.
    std::string whole = content_;
    std::size_t cursor = 0;
    if (TypeInto(whole, cursor, text) && cursor == whole.size()) {
        content_ = whole;
        Show(static_cast<int>(cursor));
        return;
    }
    TypeText(text);
}

void PictureField::keyPressEvent(QKeyEvent* event)
{
    const std::size_t n = content_.size();
    std::size_t cursor = static_cast<std::size_t>(cursorPosition());
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (key == Qt::Key_Backspace) {
            if (cursor == 0)
                return;
            --cursor;
            if (picture_[cursor] == ':' && cursor > 0)
                --cursor;
        }
        if (cursor < n && picture_[cursor] != ':')
            content_[cursor] = ' ';
        Show(static_cast<int>(cursor));
        return;
    }
    if (const std::string typed = TypedText(*event); !typed.empty()) {
        TypeText(typed);
        return;
    }
    if (ClipboardKey(*event))
        return;
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return;
    // Navigation, selection, copying: the line edit's own. A key that would
    // change the text some other way changes nothing.
    const int from = selectionStart();
    const int length = selectionLength();
    QLineEdit::keyPressEvent(event);
    if (QLineEdit::text() != ToQt(content_)) {
        Show(static_cast<int>(cursor));
        if (length > 0)
            setSelection(from, length);
    }
}

void PictureField::EraseSelection()
{
    if (!hasSelectedText())
        return;
    const int from = selectionStart();
    for (int i = from; i < selectionEnd(); ++i)
        if (picture_[static_cast<std::size_t>(i)] != ':')
            content_[static_cast<std::size_t>(i)] = ' ';
    Show(from);
}

void PictureField::Entered(Qt::FocusReason, bool back)
{
    if (back)
        return; // back from a menu: the caret stays where it was
    deselect();
    setCursorPosition(static_cast<int>(content_.size()));
}

} // namespace platform
