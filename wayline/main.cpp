// wayline: passage plans of waypoints joined by rhumb lines and great
// circles, in a window (given nothing, or a GPX file) or, given options,
// on the command line.
#include "platform/module/module_main.h"
#include "wayline/command_line/command_line.h"
#include "wayline/window/route_form.h"

#include <QTimer>

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv, {QStringLiteral("Route Calculations"), wayline::RunCommandLine,
                                            [](const QStringList& words) {
                                                auto form = std::make_unique<wayline::TRouteForm>();
                                                if (!words.isEmpty()) // opened once the window is up, so a refusal shows over it
                                                    QTimer::singleShot(0, form.get(), [form = form.get(), file = words.first()] {
                                                        form->OpenRoute(file);
                                                    });
                                                return form;
                                            },
                                            wayline::OpensWindow});
}
