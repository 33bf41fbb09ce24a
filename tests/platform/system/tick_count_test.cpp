#include "platform/system/tick_count.h"

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/sysinfo.h>
#endif

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

#ifdef __linux__
// The count is the time since the system started, as the kernel counts it
// (not the wall clock, which may be set back); the kernel's figure is in
// whole seconds, rounded up.
TEST(TickCount, CountsFromTheSystemsStart)
{
    struct sysinfo system {};
    const std::uint32_t before = platform::GetTickCount();
    ASSERT_EQ(sysinfo(&system), 0);
    const auto expected = static_cast<std::uint32_t>(static_cast<std::uint64_t>(system.uptime) * 1000u);
    const auto difference = static_cast<std::int32_t>(before - expected);
    EXPECT_GT(difference, -2000);
    EXPECT_LT(difference, 1000);
}
#endif

} // namespace
