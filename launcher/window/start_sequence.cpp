#include "launcher/window/start_sequence.h"

#include "launcher/window/splash_form.h"

#include <QApplication>

#include <utility>

namespace launcher {

Suite StartSuite(TMainForm::TickSource ticks)
{
    // The splash first, painted at once: nothing else is processed until
    // the main window and the About box exist.
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->raise();
    QApplication::processEvents();
    splash->repaint();

    QApplication::setApplicationDisplayName(QStringLiteral("VORLAN 4.1"));
    Suite suite;
    suite.Main = std::make_unique<TMainForm>(std::move(ticks)); // holds the splash up for 1.5 to 2 seconds
    suite.About = new TAboutBox(suite.Main.get());
    suite.Main->SetAboutBox(suite.About);

    splash->hide();
    splash.reset();

    suite.Main->show();
    return suite;
}

} // namespace launcher
