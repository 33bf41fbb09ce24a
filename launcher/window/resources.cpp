#include "launcher/window/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares its function at the point of use, so it must be
// used outside any namespace.
static void RegisterLauncherResources()
{
    Q_INIT_RESOURCE(launcher);
}

namespace launcher {

void EnsureResources()
{
    static const bool registered = (RegisterLauncherResources(), true);
    (void)registered;
}

} // namespace launcher
