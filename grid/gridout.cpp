// gridout: geographic to UTM. With arguments it is a
// command line for scripts (no window, no display needed); without, the
// window.
#include "grid/core/command_lines.h"
#include "grid/window/grid_form.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        std::string out, err;
        const int status = grid::RunGridOut(std::vector<std::string>(argv + 1, argv + argc), out, err);
        std::fputs(out.c_str(), stdout);
        std::fputs(err.c_str(), stderr);
        return status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Geographic to UTM"));
    grid::TGridForm form(grid::TGridForm::Direction::ToUtm);
    form.show();
    return QApplication::exec();
}
