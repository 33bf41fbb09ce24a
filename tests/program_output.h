// What a program written by others prints, for the tests that hold the
// suite's figures against it.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace testsupport {

// Standard output of the shell command `command`.
inline std::string ProgramOutput(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        text += buffer;
    return text;
}

} // namespace testsupport
