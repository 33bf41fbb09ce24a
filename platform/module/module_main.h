// The program body every module shares: with arguments a command line for
// scripts (no window, no display needed), without them the window.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace platform {

struct ModuleProgram {
    // The name the desktop lists the running window under.
    QString DisplayName;
    // The command line: the words after the program's name, its output and
    // its message; returns the exit status.
    std::function<int(const std::vector<std::string>& words, std::string& out, std::string& err)> CommandLine;
    // The window, made once the application is up, given the words that
    // open it (none, or those OpensWindow takes).
    std::function<std::unique_ptr<QWidget>(const QStringList& words)> Window;
    // Which arguments open the window rather than the command line: none
    // by default (a module that takes a file or a mode says which).
    std::function<bool(const std::vector<std::string>& words)> OpensWindow =
        [](const std::vector<std::string>& words) { return words.empty(); };
};

int RunModule(int argc, char* argv[], const ModuleProgram& program);

} // namespace platform
