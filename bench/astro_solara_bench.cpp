// The year that `solara --json --days 365` computes and prints, through
// the very code the program runs (its command line), from a cold start
// (no ephemeris span fitted: what one run of the program does) and warm;
// bench/astro_pyephem.py times PyEphem doing the same year.
#include "astro/ephemeris.h"
#include "solara/core/command_line.h"

#include <benchmark/benchmark.h>

namespace {

const std::vector<std::string> Year = {"--json", "--height-of-eye", "10", "--days", "365", "50.37 -4.14", "2025-01-01"};

void RunYear()
{
    std::string out, err;
    if (solara::RunCommandLine(Year, out, err) != 0)
        throw std::runtime_error(err);
    benchmark::DoNotOptimize(out);
}

void BM_SolaraJsonYearCold(benchmark::State& state)
{
    for (auto _ : state) {
        astro::ClearFittedSpans();
        RunYear();
    }
}
BENCHMARK(BM_SolaraJsonYearCold)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SolaraJsonYearWarm(benchmark::State& state)
{
    RunYear();
    for (auto _ : state)
        RunYear();
}
BENCHMARK(BM_SolaraJsonYearWarm)->Unit(benchmark::kMillisecond);

} // namespace
