#include "datumshift/core/proj_handles.h"

#include "datumshift/core/errors.h"

namespace datumshift {
namespace {

void Silent(void*, int, const char*) {}

} // namespace

Context OfflineContext()
{
    Context context(proj_context_create());
    if (!context)
        throw DatumError("PROJ could not be started");
    // Setting it explicitly is what keeps PROJ_NETWORK=ON from being read.
    proj_context_set_enable_network(context.get(), 0);
    proj_log_func(context.get(), nullptr, Silent);
    return context;
}

} // namespace datumshift
