// rangebear: distance and course between two positions. With arguments it
// is a command line for scripts (no window, no display needed); without,
// the window.
#include "rangebear/core/command_line.h"
#include "rangebear/window/rangebear_form.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        std::string out, err;
        const int status = rangebear::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), out, err);
        std::fputs(out.c_str(), stdout);
        std::fputs(err.c_str(), stderr);
        return status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Distance and Course"));
    rangebear::TRangeBearForm form;
    form.show();
    return QApplication::exec();
}
