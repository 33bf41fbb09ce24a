#include "platform/desktop/message_texts.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace platform {
namespace {

// Sees every box of the process before it is laid out and shown.
class PlainTexts : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Polish || type == QEvent::Show) && watched->isWidgetType())
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                ShowTextsPlain(*box);
        return false;
    }
};

} // namespace

void ShowTextsPlain(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    // The informative text has a label of its own, which may open links.
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

void ShowAllMessageTextsPlain()
{
    static QPointer<PlainTexts> filter;
    if (!filter && qApp) {
        filter = new PlainTexts(qApp);
        qApp->installEventFilter(filter);
    }
}

} // namespace platform
