// gridin: UTM to geographic, for scripts (its window is yet to come).
#include "grid/core/command_lines.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    std::string out, err;
    const int status = grid::RunGridIn(std::vector<std::string>(argv + 1, argv + argc), out, err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
}
