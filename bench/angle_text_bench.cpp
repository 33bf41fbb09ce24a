#include "geo/angle_text.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void FormatAngleIn(benchmark::State& state)
{
    const auto format = static_cast<geo::AngleFormat>(state.range(0));
    double v = -123.456789;
    for (auto _ : state) {
        std::string text = geo::FormatAngle(format, true, v);
        benchmark::DoNotOptimize(text);
        v += 1e-7;
    }
}
BENCHMARK(FormatAngleIn)->DenseRange(0, 2)->ArgName("format");

void ParseLongitudeIn(benchmark::State& state)
{
    const auto format = static_cast<geo::AngleFormat>(state.range(0));
    const std::string text = geo::FormatAngle(format, true, -123.456789);
    for (auto _ : state) {
        double value = -1;
        std::string message;
        geo::ParseLongitude(text, format, value, message);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ParseLongitudeIn)->DenseRange(0, 2)->ArgName("format");

} // namespace
