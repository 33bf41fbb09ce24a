// solara: the Sun and the Moon for a place and a date, in a window or,
// given arguments, on the command line.
#include "platform/module/module_main.h"
#include "solara/core/command_line.h"
#include "solara/window/sun_moon_form.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv, {QStringLiteral("Sun and Moon"), solara::RunCommandLine,
                                            [](const QStringList&) { return std::make_unique<solara::TSunMoonForm>(); }});
}
