#include "launcher/window/about_box.h"

#include "launcher/window/resources.h"
#include "launcher/window/jpeg_picture.h"
#include "platform/window/surface_colours.h"
#include "platform/window/window_setup.h"

#include <QEvent>
#include <QFile>
#include <QPixmap>

namespace launcher {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    EnsureResources();
    setupUi(this);
    setFixedSize(size()); // the form's
    setWindowFlags(windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));

    platform::KeepReadableSurfaces(*this);

    // The panel has the window colour; the labels stay out of the focus.
    Panel1->setBackgroundRole(QPalette::Base);
    for (QLabel* label : Panel1->findChildren<QLabel*>())
        label->setFocusPolicy(Qt::NoFocus);
    platform::FitAutoSizeLabels(*Panel1);
    platform::CentreOnFirstShow(*this);

    QFile picture(QStringLiteral(":/launcher/about.jpg"));
    if (picture.open(QIODevice::ReadOnly))
        ProgramIcon->setPixmap(QPixmap::fromImage(DecodeJpeg(picture.readAll())));

    connect(OKButton, &QPushButton::clicked, this, [this] { done(1); });
    OKButton->setFocus();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    OKButton->setFocus();
}

void TAboutBox::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Minimized with the launcher (as openbox does) it comes back with it.
    const QWidget* launcher = parentWidget() ? parentWidget()->window() : nullptr;
    if (event->type() == QEvent::WindowStateChange && isMinimized() && launcher && !launcher->isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

} // namespace launcher
