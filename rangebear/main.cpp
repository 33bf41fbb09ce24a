// rangebear: distance and course between two positions, in a window or,
// given arguments, on the command line.
#include "platform/module/module_main.h"
#include "rangebear/core/command_line.h"
#include "rangebear/window/rangebear_form.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv, {QStringLiteral("Distance and Course"), rangebear::RunCommandLine,
                                            [](const QStringList&) { return std::make_unique<rangebear::TRangeBearForm>(); }});
}
