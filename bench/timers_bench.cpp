// Virtual time: how fast a day of a periodic 1000 ms timer runs through the
// scheduler, as simulated seconds per wall second.
#include <benchmark/benchmark.h>

#include "ui/headless.h"

namespace {

void VirtualDayWithOnePeriodicTimer(benchmark::State& state) {
  constexpr kolvar::platform::Millis kDay = 24LL * 3600 * 1000;
  long long firings = 0;
  for (auto _ : state) {
    state.PauseTiming();
    kolvar::ui::Headless rig;
    auto& c = rig.controller;
    c.c(kolvar::ctl::Timer2).set_on(false);
    c.on_timer(kolvar::ctl::Timer5, [&firings](kolvar::form::Controller&) { ++firings; });
    c.c(kolvar::ctl::Timer5).set_interval(1000);
    c.c(kolvar::ctl::Timer5).set_on(true);
    state.ResumeTiming();
    rig.advance(kDay);
  }
  benchmark::DoNotOptimize(firings);
  state.counters["simulated_s_per_wall_s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * (kDay / 1000.0), benchmark::Counter::kIsRate);
}
BENCHMARK(VirtualDayWithOnePeriodicTimer)->Unit(benchmark::kMillisecond);

}  // namespace
