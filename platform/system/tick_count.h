// The system's millisecond tick counter.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the system started, as a 32-bit count that wraps to
// zero after about 49.7 days.
std::uint32_t GetTickCount();

} // namespace platform
