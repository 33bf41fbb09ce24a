// datumshift: a position moved from one datum to another, in a window or,
// given arguments, on the command line.
#include "datumshift/core/command_line.h"
#include "datumshift/window/datum_shift_form.h"
#include "platform/module/module_main.h"

int main(int argc, char* argv[])
{
    return platform::RunModule(argc, argv, {QStringLiteral("Datum Transformations"), datumshift::RunCommandLine,
                                            [](const QStringList&) { return std::make_unique<datumshift::TDatumShiftForm>(); }});
}
