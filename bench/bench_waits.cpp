// Processor time that a 5000 ms event-pumping wait costs, the wait called directly with nothing arriving.
#include "platform/ticks.h"

#include <benchmark/benchmark.h>
#include <ctime>

static double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static void BM_Wait5000ms_CalledDirectly(benchmark::State &state)
{
    state.SetLabel("platform::PumpUntil, never satisfied");
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = processCpuMs();
        const qint64 t0 = platform::GetTickCount();
        platform::PumpUntil([] { return false; }, t0 + 5000);
        wall += static_cast<double>(platform::GetTickCount() - t0);
        cpu += processCpuMs() - c0;
    }
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_Wait5000ms_CalledDirectly)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
