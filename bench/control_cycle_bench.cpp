// One whole control cycle must cost the same for a fresh log and for one that
// has grown all run long: a 1 KiB log against 100 MiB and 1 GiB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_logs.h"
#include "core/control_cycle.h"
#include "ui/headless.h"

namespace {

namespace fs = std::filesystem;

kolvar::bench::Logs logs;

// Liquid take-off under "Закрыть клапан": the cycle reads the log, sets the
// labels, closes the valve and runs the protective step, writing the port
// three times, as a manual run does every second.
void BM_ControlCycle(benchmark::State& state) {
  const fs::path& log = logs.of_size(state.range(0));
  kolvar::ui::Headless rig;
  kolvar::form::Controller& c = rig.controller;
  c.c(kolvar::ctl::LogPath, 1).set_text(log.string());
  c.c(kolvar::ctl::time_error).set_text("0");
  c.c(kolvar::ctl::Ch_log).set_value(0);  // a log that never moves is not the point here
  c.c(kolvar::ctl::stp).set_checked(true);
  c.c(kolvar::ctl::ps, 1).set_checked(true);
  c.c(kolvar::ctl::pf, 2).set_checked(true);
  for (auto _ : state) kolvar::core::ControlCycle(c);
  state.counters["log_MiB"] = static_cast<double>(state.range(0)) / (1 << 20);
}
BENCHMARK(BM_ControlCycle)->Arg(1 << 10)->Arg(100 << 20)->Arg(std::int64_t{1} << 30);

}  // namespace
