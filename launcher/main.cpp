// vorlan40: the suite launcher.
#include "launcher/window/start_sequence.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/launcher/icon.bmp")));
    const launcher::Suite suite = launcher::StartSuite();
    QApplication::exec();
    return 0;
}
