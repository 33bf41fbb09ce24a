#include "platform/widgets/edit.h"

#include "platform/desktop/error_report.h"
#include "platform/desktop/latin1.h"

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
    RethrowPassedError(); // of the change handler it ran
}

void Edit::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    Field::mousePressEvent(event);
}

void Edit::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    Field::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace platform
