// ebbflow: tides in a window, tidal streams with "STR" (as the launcher's
// Streams button starts it), or, given options, on the command line.
#include "ebbflow/tables/command_line.h"
#include "ebbflow/window/tide_form.h"
#include "platform/module/module_main.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv,
                               {QStringLiteral("Tides"),
                                [](const std::vector<std::string>& words, std::string& out, std::string& err) {
                                    return ebbflow::RunCommandLine(words, out, err);
                                },
                                [](const QStringList& words) {
                                    using Mode = ebbflow::TTideForm::Mode;
                                    return std::make_unique<ebbflow::TTideForm>(words.isEmpty() ? Mode::Tides : Mode::Streams);
                                },
                                ebbflow::OpensWindow});
}
