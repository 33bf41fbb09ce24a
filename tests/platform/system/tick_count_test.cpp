#include "platform/system/tick_count.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// The counter counts milliseconds (not ticks of another length), going
// forward; the bound is loose, as the machine may be busy.
TEST(TickCount, CountsMillisecondsForward)
{
    const std::uint32_t before = platform::GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::uint32_t elapsed = platform::GetTickCount() - before; // wraps as the counter does
    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 30000u);
}

} // namespace
