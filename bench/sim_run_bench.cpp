// A whole run of the controller on the simulated column: 1 or 8 simulated
// hours, the control cycle every 2 s, the logger writing a line every second
// and the CSV trace written row by row. Reports wall time, how many times
// faster than real time the run went, and how much the heap in use grew
// during the run: the same for one hour as for eight, so memory does not grow
// with the length of the run. A 60 L charge keeps the column in its hearts
// for the whole eight hours.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "form/names.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"
#include "simrun/sim_settings_file.h"
#include "simrun/sim_world.h"
#include "simrun/takeoff_choice.h"
#include "simrun/trace.h"

namespace {

namespace fs = std::filesystem;
using kolvar::platform::Millis;
namespace simrun = kolvar::simrun;

void ControllerOnSimulatedColumn(benchmark::State& state) {
  std::string pattern = (fs::temp_directory_path() / "kolvar-run-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const fs::path dir = pattern;
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  const Millis end = state.range(0) * 3600 * 1000;
  double growth = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* file : {"mytunes.log", "keeper.log", "trace.csv"}) fs::remove(file);
    kolvar::sim::PlantSettings rig = simrun::simulated_rig({60, 40, 2000, 1});
    simrun::settle_settings_file(rig);
    auto world = std::make_unique<simrun::SimWorld>(rig);
    simrun::RunWatch watch(*world);
    simrun::Trace trace("trace.csv");
    kolvar::form::Controller& c = world->controller;
    c.start();
    simrun::choose_takeoff(c, simrun::Takeoff::Liquid);
    c.click(c.c(kolvar::ctl::Start_sys_button));
    const auto before = mallinfo2().uordblks;
    state.ResumeTiming();
    world->advance_to(end, [&](Millis at) {
      watch.after_cycle(at);
      trace.row(c, world->plant.status());
    });
    state.PauseTiming();
    growth += static_cast<double>(mallinfo2().uordblks) - static_cast<double>(before);
    if (watch.stopped()) state.SkipWithError("the run stopped early");
    benchmark::DoNotOptimize(watch.summary());
    world.reset();
    state.ResumeTiming();
  }
  fs::current_path(previous);
  fs::remove_all(dir);
  state.counters["times_real_time"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(end) / 1000,
                         benchmark::Counter::kIsRate);
  state.counters["heap_growth_bytes"] = growth / static_cast<double>(state.iterations());
}
BENCHMARK(ControllerOnSimulatedColumn)
    ->Arg(1)
    ->Arg(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
