#include "platform/module/module_main.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace platform {

int RunModule(int argc, char* argv[], const ModuleProgram& program)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (!program.OpensWindow(words)) {
        std::string out, err;
        const int status = program.CommandLine(words, out, err);
        std::fputs(out.c_str(), stdout);
        std::fputs(err.c_str(), stderr);
        return status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(program.DisplayName);
    const std::unique_ptr<QWidget> window = program.Window(QApplication::arguments().mid(1));
    window->show();
    return QApplication::exec();
}

} // namespace platform
