// Owners of PROJ's objects: each is freed once, when its owner goes, and
// a context is made offline and quiet.
//
// PROJ's contexts are not thread-safe: a context, and every object made
// in it, belongs to one thread at a time.
#pragma once

#include <proj.h>

#include <memory>
#include <string>

namespace datumshift {

struct ContextDeleter {
    void operator()(PJ_CONTEXT* context) const noexcept { proj_context_destroy(context); }
};
struct ObjectDeleter {
    void operator()(PJ* object) const noexcept { proj_destroy(object); }
};
struct ListDeleter {
    void operator()(PJ_OBJ_LIST* list) const noexcept { proj_list_destroy(list); }
};
struct FactoryDeleter {
    void operator()(PJ_OPERATION_FACTORY_CONTEXT* factory) const noexcept
    {
        proj_operation_factory_context_destroy(factory);
    }
};

using Context = std::unique_ptr<PJ_CONTEXT, ContextDeleter>;
using Object = std::unique_ptr<PJ, ObjectDeleter>;
using ObjectList = std::unique_ptr<PJ_OBJ_LIST, ListDeleter>;
using OperationFactory = std::unique_ptr<PJ_OPERATION_FACTORY_CONTEXT, FactoryDeleter>;

// A new context that never reaches the network, whatever PROJ_NETWORK or
// proj.ini say (a grid is on this machine or it is missing), and writes
// nothing to the standard error: PROJ's complaints about missing grids
// are told to the user as fallbacks instead. Throws DatumError when PROJ
// cannot make one.
Context OfflineContext();

// PROJ's text, or "" for none.
inline std::string TextOf(const char* text) { return text ? std::string(text) : std::string(); }

} // namespace datumshift
