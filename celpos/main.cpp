// celpos: the astronomical position fix, in a window (given a sights file,
// opening it) or, given a command, on the command line.
#include "celpos/core/command_line.h"
#include "celpos/window/celpos_form.h"
#include "platform/module/module_main.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv, {QStringLiteral("Astronomical Position Fix"), celpos::RunCommandLine,
                                            [](const QStringList& words) {
                                                auto form = std::make_unique<celpos::TCelPosForm>();
                                                if (!words.isEmpty())
                                                    form->OpenSights(words.first());
                                                return form;
                                            },
                                            celpos::OpensWindow});
}
