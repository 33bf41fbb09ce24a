#include "platform/edit.h"

#include "platform/latin1.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace platform {

Edit::Edit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &Edit::changed);
}

std::string Edit::Text() const
{
    return FromQt(text());
}

void Edit::SetText(const std::string& text)
{
    setText(ToQt(text));
}

void Edit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Edit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    exit_.FocusIn(*this, event);
}

void Edit::focusOutEvent(QFocusEvent* event)
{
    const bool leaving = exit_.FocusOut(*this, event);
    QLineEdit::focusOutEvent(event);
    if (leaving)
        emit exited();
}

} // namespace platform
