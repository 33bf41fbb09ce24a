#include "platform/window/window_setup.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

class CentreOnce : public QObject {
public:
    explicit CentreOnce(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show) {
            if (const QScreen* screen = window_.screen()) {
                QRect frame = window_.frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window_.move(frame.topLeft());
            }
            deleteLater(); // once
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void CentreOnFirstShow(QWidget& window)
{
    new CentreOnce(window);
}

void FitAutoSizeLabels(QWidget& parent)
{
    for (QLabel* label : parent.findChildren<QLabel*>())
        if (label->property("autoSize").toBool())
            label->adjustSize();
}

} // namespace platform
