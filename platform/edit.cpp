#include "platform/edit.h"

#include "platform/latin1.h"

#include <QMouseEvent>

namespace platform {

Edit::Edit(QWidget* parent) : Field(parent)
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

} // namespace platform
