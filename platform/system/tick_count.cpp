#include "platform/system/tick_count.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

namespace platform {

std::uint32_t GetTickCount()
{
#ifdef _WIN32
    return static_cast<std::uint32_t>(::GetTickCount());
#else
    timespec now{};
#ifdef CLOCK_BOOTTIME
    clock_gettime(CLOCK_BOOTTIME, &now); // counts the time asleep too, as the system's counter does
#else
    clock_gettime(CLOCK_MONOTONIC, &now);
#endif
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms); // keeps the low 32 bits, as the counter wraps
#endif
}

} // namespace platform
