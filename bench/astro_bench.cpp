// A year of daily events for one place (Plymouth, 2025, local days of
// UTC): the Sun's rise, set, meridian passage and three twilights, the
// Moon's rise, set and meridian passage, its phase at noon and the
// principal phases, through DayEvents, as the command line calls it.
//
// Warm: the ephemeris spans already at hand (a window stepping through
// days, or a year printed in one run after its first days). Cold: every
// year from nothing, each span of 16 days decoded anew from the table the
// library links (and, one day out of its years, fitted from the series).
#include "astro/day_events.h"
#include "astro/ephemeris.h"
#include "astro/observer.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double Year2025 = 1735689600.0; // 2025-01-01T00:00:00Z
constexpr double Day = 86400.0;
const astro::Observer Plymouth{50.37, -4.14, 10.0};

void YearOfDays()
{
    for (int d = 0; d < 365; ++d) {
        const double start = Year2025 + d * Day;
        benchmark::DoNotOptimize(astro::DayEvents(Plymouth, start, start + Day, start + Day / 2));
    }
}

void BM_YearOfDayEventsWarm(benchmark::State& state)
{
    YearOfDays();
    for (auto _ : state)
        YearOfDays();
}
BENCHMARK(BM_YearOfDayEventsWarm)->Unit(benchmark::kMillisecond);

void BM_YearOfDayEventsCold(benchmark::State& state)
{
    for (auto _ : state) {
        astro::ClearFittedSpans();
        YearOfDays();
    }
}
BENCHMARK(BM_YearOfDayEventsCold)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OneDayCold(benchmark::State& state)
{
    for (auto _ : state) {
        astro::ClearFittedSpans();
        benchmark::DoNotOptimize(astro::DayEvents(Plymouth, Year2025 + 100 * Day, Year2025 + 101 * Day, Year2025 + 100.5 * Day));
    }
}
BENCHMARK(BM_OneDayCold)->Unit(benchmark::kMillisecond)->Iterations(5);

// The day's picture: both altitudes every 5 minutes for 24 hours.
void BM_AltitudeCurve(benchmark::State& state)
{
    astro::AltitudeAt(astro::Body::Moon, Plymouth, Year2025);
    for (auto _ : state)
        for (int step = 0; step < 288; ++step) {
            const double t = Year2025 + step * 300.0;
            benchmark::DoNotOptimize(astro::AltitudeAt(astro::Body::Sun, Plymouth, t));
            benchmark::DoNotOptimize(astro::AltitudeAt(astro::Body::Moon, Plymouth, t));
        }
}
BENCHMARK(BM_AltitudeCurve)->Unit(benchmark::kMicrosecond);

} // namespace
