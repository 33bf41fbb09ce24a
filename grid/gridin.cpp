// gridin: UTM to geographic, in a window or, given arguments, on the
// command line.
#include "grid/core/command_lines.h"
#include "grid/window/grid_in_form.h"
#include "platform/module/module_main.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv, {QStringLiteral("UTM to Geographic"), grid::RunGridIn,
                                            [](const QStringList&) { return std::make_unique<grid::TGridInForm>(); }});
}
