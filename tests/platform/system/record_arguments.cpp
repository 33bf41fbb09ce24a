// A module for the shell to start in the tests: writes its arguments, the
// count first, one a line, to record-<process id>.txt in its working
// directory.
#include <cstdio>
#include <string>

#include <process.h>

int main(int argc, char** argv)
{
    const std::string name = "record-" + std::to_string(_getpid()) + ".txt";
    if (FILE* out = std::fopen((name + ".part").c_str(), "w")) {
        std::fprintf(out, "%d\n", argc - 1);
        for (int i = 1; i < argc; ++i)
            std::fprintf(out, "%s\n", argv[i]);
        std::fclose(out);
        std::rename((name + ".part").c_str(), name.c_str()); // whole or not at all
    }
    return 0;
}
