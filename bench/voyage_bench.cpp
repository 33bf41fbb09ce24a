#include "legplot/core/voyage.h"

#include <GeographicLib/Rhumb.hpp>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int WGS84 = 22;

struct LegInput {
    double course, speed, hours;
};

// Five rhumb-line legs of a North Sea passage.
constexpr LegInput Passage[legplot::LegCount] = {
    {45.0, 12.0, 10.0}, {123.4, 8.5, 6.5}, {200.1, 15.0, 12.25}, {315.0, 10.0, 3.0}, {17.3, 20.0, 24.0}};

legplot::VoyagePlan PassagePlan()
{
    legplot::VoyagePlan plan;
    plan.StartLat = 52.5;
    plan.StartLon = 4.2575;
    for (int k = 0; k < legplot::LegCount; ++k) {
        auto& leg = plan.Legs[static_cast<std::size_t>(k)];
        leg.Course = Passage[k].course;
        leg.Speed = Passage[k].speed;
        leg.Interval = Passage[k].hours;
    }
    return plan;
}

// The whole computation as the window runs it, without the labels.
void SailVoyageFiveLegs(benchmark::State& state)
{
    legplot::VoyagePlan plan = PassagePlan();
    const legplot::VoyageInputs in{2026, 12, 7, "08:00", WGS84, geo::AngleFormat::DMS};
    const std::function<void(int, const legplot::LegTexts&)> show = [](int, const legplot::LegTexts&) {};
    for (auto _ : state) {
        legplot::SailVoyage(plan, in, show);
        benchmark::DoNotOptimize(plan.Legs[4].EndLon);
    }
    state.counters["per_leg_ns"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * legplot::LegCount,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SailVoyageFiveLegs);

// The legs alone, without set-up, texts and calendar.
void SailLegFiveTimes(benchmark::State& state)
{
    const geo::Ellipsoid g = geo::Ellipsoids[WGS84];
    for (auto _ : state) {
        double phi = 52.5 / 57.29577951308232;
        double lambda = 0;
        for (const LegInput& leg : Passage) {
            const legplot::LegChange c = legplot::SailLeg(g, phi, leg.course, leg.speed, leg.hours);
            phi = c.Phi2;
            lambda += c.DeltaLambda;
        }
        benchmark::DoNotOptimize(phi);
        benchmark::DoNotOptimize(lambda);
    }
}
BENCHMARK(SailLegFiveTimes);

// The same five legs on GeographicLib's exact rhumb line.
void RhumbDirectFiveTimes(benchmark::State& state)
{
    const geo::Ellipsoid g = geo::Ellipsoids[WGS84];
    const GeographicLib::Rhumb rhumb(g.a, 1 - std::sqrt(1 - g.e2));
    for (auto _ : state) {
        double lat = 52.5, lon = 4.2575;
        for (const LegInput& leg : Passage) {
            double lat2 = 0, lon2 = 0;
            rhumb.Direct(lat, lon, leg.course, leg.speed * leg.hours * 1852, lat2, lon2);
            lat = lat2;
            lon = lon2;
        }
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
    }
}
BENCHMARK(RhumbDirectFiveTimes);

} // namespace
