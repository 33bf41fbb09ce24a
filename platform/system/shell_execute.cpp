#include "platform/system/shell_execute.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

void ShellExecuteOpen(const char* file, const char* parameters)
{
    ::ShellExecuteA(nullptr, nullptr, file, parameters, nullptr, SW_SHOW);
}

} // namespace platform
