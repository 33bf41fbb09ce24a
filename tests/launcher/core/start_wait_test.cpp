#include "launcher/core/start_wait.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A counter that advances one millisecond a reading; returns how long the
// wait lasted by that counter.
std::uint32_t WaitFrom(std::uint32_t first)
{
    std::uint32_t now = first;
    launcher::StartWait([&] { return now++; }, [] {});
    return now - 1 - first; // the last reading ended the wait
}

TEST(StartWait, FourHalfSecondMarks)
{
    EXPECT_EQ(WaitFrom(1'000'000), 2000u);    // a multiple of 500
    EXPECT_EQ(WaitFrom(1'000'499), 1501u);    // 499 above one
    EXPECT_EQ(WaitFrom(1'000'250), 1750u);
    EXPECT_EQ(WaitFrom(0), 2000u);
}

TEST(StartWait, EndsWhenTheCounterWraps)
{
    // 32-bit counters wrap after 49.7 days; the wait still ends after 2 s.
    EXPECT_EQ(WaitFrom(0xFFFFFFFFu - 700), 2000u);
    EXPECT_EQ(WaitFrom(0xFFFFFFFFu), 2000u);
    // Just below the wrap the fourth half-second mark lies beyond it.
    EXPECT_EQ(WaitFrom(0xFFFFFE00u), 2000u);
}

TEST(StartWait, PausesBetweenReadings)
{
    std::uint32_t now = 500;
    int pauses = 0;
    launcher::StartWait([&] { return now; }, [&] {
        ++pauses;
        now += 100;
    });
    EXPECT_EQ(now, 2500u);
    EXPECT_EQ(pauses, 20);
}

} // namespace
