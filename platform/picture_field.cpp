#include "platform/picture_field.h"

#include "platform/latin1.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QProxyStyle>

namespace platform {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Overwrite mode shows a block caret one character wide.
class BlockCaretStyle : public QProxyStyle {
public:
    BlockCaretStyle(int width, QObject* owner) : width_(width) { setParent(owner); }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TextCursorWidth)
            return width_;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int width_;
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

PictureField::PictureField(QWidget* parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setStyle(new BlockCaretStyle(fontMetrics().horizontalAdvance(QLatin1Char('0')), this));
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
    QPalette colours = QApplication::palette(this);
    if (error_) {
        colours.setColor(QPalette::Base, Qt::red);
        colours.setColor(QPalette::Text, Qt::black);
    }
    setPalette(colours);
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
    const QString typed = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!typed.isEmpty() && typed.at(0).isPrint() && !control) {
        // Typing with the caret at the end (where entering the field puts
        // it) overwrites from the first position.
        if (cursor >= n)
            cursor = 0;
        for (char c : FromQt(typed)) {
            if (cursor < n && picture_[cursor] == ':')
                ++cursor; // the fixed ":" is stepped over
            if (cursor >= n || !Accepts(cursor, c)) {
                QApplication::beep();
                break;
            }
            content_[cursor++] = c; // overwrite mode
        }
        Show(static_cast<int>(cursor));
        return;
    }
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return;
    QLineEdit::keyPressEvent(event);
    if (QLineEdit::text() != ToQt(content_))
        Show(cursorPosition());
}

void PictureField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    exit_.FocusIn();
    deselect();
    setCursorPosition(static_cast<int>(content_.size()));
}

void PictureField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (exit_.FocusOut(event))
        emit exited();
}

} // namespace platform
