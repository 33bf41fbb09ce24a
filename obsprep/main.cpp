// obsprep: planning an astronomical position fix, in a window or, given
// arguments, on the command line.
#include "obsprep/core/command_line.h"
#include "obsprep/window/obsprep_form.h"
#include "platform/module/module_main.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv,
                               {QStringLiteral("Astronomical Planning"), obsprep::RunCommandLine,
                                [](const QStringList&) { return std::make_unique<obsprep::TObsPrepForm>(); }});
}
