#include "launcher/window/splash_form.h"

#include "launcher/window/resources.h"
#include "platform/window/window_setup.h"

#include <QLabel>
#include <QPixmap>

namespace launcher {

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new QLabel(this))
{
    EnsureResources();
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(599, 401);
    setAutoFillBackground(true); // the button face shows where the picture does not reach
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 599, 401);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/launcher/splash.bmp")));
    platform::CentreOnFirstShow(*this);
}

} // namespace launcher
