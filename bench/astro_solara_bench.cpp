// The year that `solara --json --days 365` computes and prints, through
// the very code the program runs (its command line), from a cold start
// (no ephemeris span decoded or fitted) and warm, and as a user's script
// meets it: the program itself started afresh for each year, its CPU time
// (its own and the system's for it, Qt's loading included) as the time;
// bench/astro_pyephem.py times PyEphem doing the same year.
#include "astro/ephemeris.h"
#include "solara/core/command_line.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

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

#ifdef VORLAN_SOLARA_PROGRAM
double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

void BM_SolaraProcessYearCold(benchmark::State& state)
{
    std::vector<std::string> words = {VORLAN_SOLARA_PROGRAM};
    words.insert(words.end(), Year.begin(), Year.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("solara could not be started");
            break;
        }
        int status = 0;
        rusage used{};
        if (wait4(pid, &status, 0, &used) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("solara failed");
            break;
        }
        state.SetIterationTime(Seconds(used.ru_utime) + Seconds(used.ru_stime));
    }
    posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK(BM_SolaraProcessYearCold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
#endif

} // namespace
