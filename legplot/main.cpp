// legplot: the dead-reckoning program.
#include "legplot/window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dead Reckoning"));
    legplot::TForm1 form;
    form.show();
    QApplication::exec();
    return 0;
}
