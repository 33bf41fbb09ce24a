#include "launcher/core/start_wait.h"

namespace launcher {

void StartWait(const std::function<std::uint32_t()>& ticks, const std::function<void()>& pause)
{
    constexpr std::uint32_t Slot = 500;         // milliseconds a slot
    constexpr std::int64_t SlotsToWait = 4;
    constexpr std::uint32_t LongestWait = 2000; // milliseconds

    const std::uint32_t first = ticks();
    const std::int64_t startSlot = first / Slot;
    for (;;) {
        const std::uint32_t now = ticks();
        if (static_cast<std::int64_t>(now / Slot) >= startSlot + SlotsToWait)
            return;
        if (static_cast<std::uint32_t>(now - first) >= LongestWait) // the counter wrapped
            return;
        pause();
    }
}

} // namespace launcher
