// The tide core's speed: a year of high and low waters at a reference
// station, a month as the window shows it, and a station search over
// every record.
#include "ebbflow/core/prediction.h"
#include "ebbflow/core/prediction_curve.h"
#include "ebbflow/core/station_search.h"

#include <benchmark/benchmark.h>

namespace {

const ebbflow::TideDatabase& Db()
{
    static const ebbflow::TideDatabase db = ebbflow::TideDatabase::Open();
    return db;
}

constexpr double Year2024 = 1704067200; // 2024-01-01 00:00 UTC

void YearOfHighAndLowWaters(benchmark::State& state)
{
    const ebbflow::Station& honolulu = ebbflow::FindStation(Db(), "Honolulu, Honolulu Harbor, Oahu Island, Hawaii");
    for (auto _ : state)
        benchmark::DoNotOptimize(ebbflow::PredictEvents(Db(), honolulu, Year2024, Year2024 + 366 * 86400.0));
}
BENCHMARK(YearOfHighAndLowWaters)->Unit(benchmark::kMillisecond);

// What the window computes for a month shown: its events and the curve's
// 1200 samples.
void MonthOfEventsAndCurve(benchmark::State& state)
{
    const ebbflow::Station& battery = ebbflow::FindStation(Db(), "The Battery, New York Harbor, New York");
    const double to = Year2024 + 31 * 86400.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ebbflow::PredictEvents(Db(), battery, Year2024, to));
        benchmark::DoNotOptimize(ebbflow::PredictCurve(Db(), battery, Year2024, to, 1200));
    }
}
BENCHMARK(MonthOfEventsAndCurve)->Unit(benchmark::kMillisecond);

void StationByName(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(&ebbflow::FindStation(Db(), "kaumalapau"));
}
BENCHMARK(StationByName)->Unit(benchmark::kMillisecond);

void NearestStation(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ebbflow::NearestStation(Db(), 21.3, -157.9));
}
BENCHMARK(NearestStation)->Unit(benchmark::kMillisecond);

void OpenDebiansFile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ebbflow::TideDatabase::Open());
}
BENCHMARK(OpenDebiansFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
