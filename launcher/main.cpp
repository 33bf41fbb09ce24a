// vorlan40: the suite launcher.
#include "launcher/about_box.h"
#include "launcher/main_form.h"
#include "launcher/splash_form.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/launcher/icon.bmp")));

    // The splash first, painted at once: nothing else is processed until
    // the main window and the About box exist.
    auto* splash = new launcher::TSplashForm;
    splash->show();
    splash->raise();
    QApplication::processEvents();
    splash->repaint();

    QApplication::setApplicationDisplayName(QStringLiteral("VORLAN 4.1"));
    launcher::TMainForm mainForm; // its creation holds the splash up for 1.5 to 2 seconds
    launcher::TAboutBox aboutBox(&mainForm);
    mainForm.SetAboutBox(&aboutBox);

    splash->hide();
    delete splash;

    mainForm.show();
    QApplication::exec();
    return 0;
}
