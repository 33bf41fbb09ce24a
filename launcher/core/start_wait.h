// The launcher's start wait, which keeps the splash picture on the screen
// while the main window is created.
#pragma once

#include <cstdint>
#include <functional>

namespace launcher {

// Waits until the tick counter (milliseconds) has passed four more
// half-second marks than at the first reading: 2000 - (t0 mod 500)
// milliseconds, 1501 to 2000 ms. Processes no window messages; `pause` is
// called between readings (a short sleep, so the wait does not spin the
// processor).
//
// A counter that wraps to zero during the wait would otherwise hold it for
// some 49.7 days; the wait also ends once 2000 ms have passed by the
// wrapping difference of two readings, which never happens earlier than
// the half-second marks.
void StartWait(const std::function<std::uint32_t()>& ticks, const std::function<void()>& pause);

} // namespace launcher
