// legplot: the dead-reckoning program. `legplot [FILE]` opens a voyage file
// at start.
#include "legplot/window/form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dead Reckoning"));
    const QStringList arguments = QApplication::arguments(); // Qt's own options taken out
    if (arguments.size() > 2) {
        std::fputs("usage: legplot [FILE.voyage]\n", stderr);
        return 2;
    }
    legplot::TForm1 form;
    form.show();
    if (arguments.size() == 2)
        form.OpenVoyage(arguments.at(1));
    QApplication::exec();
    return 0;
}
