// The simulated column alone: a run of 1 or 8 hours advanced in 1 s steps,
// the logger writing a line every second. Reports wall time, microseconds per
// simulated second, and how much the heap in use grew during the run: the
// same few kilobytes (the log file's buffer, taken at its first line) for one
// hour as for eight, so memory does not grow with the length of the run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "sim/plant.h"

namespace {

namespace fs = std::filesystem;
using kolvar::platform::Millis;

void PlantRun(benchmark::State& state) {
  std::string pattern = (fs::temp_directory_path() / "kolvar-sim-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const fs::path dir = pattern;
  const Millis end = state.range(0) * 3600 * 1000;
  double growth = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(dir / "keeper.log");
    kolvar::sim::PlantSettings settings;
    settings.logger.log_path = (dir / "keeper.log").string();
    kolvar::sim::Plant plant(settings);
    plant.write(0x02);  // valve closed
    const auto before = mallinfo2().uordblks;
    state.ResumeTiming();
    for (Millis t = 1000; t <= end; t += 1000) {
      if (t == 3600 * 1000) plant.write(0x01);  // valve open after an hour
      plant.advance_to(t);
    }
    state.PauseTiming();
    growth += static_cast<double>(mallinfo2().uordblks) - static_cast<double>(before);
    benchmark::DoNotOptimize(plant.status());
    state.ResumeTiming();
  }
  fs::remove_all(dir);
  const double steps = static_cast<double>(state.iterations()) * (end / 1000);
  state.counters["us_per_sim_s"] =
      benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                         benchmark::Counter::kIs1000);
  state.counters["heap_growth_bytes"] = growth / static_cast<double>(state.iterations());
}
BENCHMARK(PlantRun)->Arg(1)->Arg(8)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
