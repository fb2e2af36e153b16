// The record beside the cycle, and the plot's data: writing a cycle's row,
// adding a point, and the decimated series of a whole run, after one hour and
// after 48 hours of 2-second cycles. Both must cost about the same, in time
// and in memory kept.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "chart/decimation.h"
#include "chart/plot_channels.h"
#include "platform/files/append_file.h"
#include "record/record_format.h"
#include "record/snapshot.h"
#include "ui/headless.h"

namespace {

using kolvar::chart::Decimator;
using kolvar::chart::kChannels;
using kolvar::platform::Millis;

constexpr Millis kCycle = 2000;
constexpr std::int64_t kHour = 1800;  // cycles

std::array<float, kChannels> point(std::int64_t i) {
  std::array<float, kChannels> v{};
  for (std::size_t ch = 0; ch < kChannels; ++ch)
    v[ch] = 60.0f + 20.0f * std::sin(static_cast<float>(i + 100 * ch) / 300.0f);
  return v;
}

Decimator run_of(std::int64_t cycles) {
  Decimator d(kChannels);
  for (std::int64_t i = 0; i < cycles; ++i) d.add(i * kCycle, point(i));
  return d;
}

// Adding a cycle's point late in a long run, where buckets merge now and then.
void BM_AddPoint(benchmark::State& state) {
  Decimator d = run_of(48 * kHour);
  std::int64_t i = 48 * kHour;
  for (auto _ : state) {
    d.add(i * kCycle, point(i));
    ++i;
  }
}
BENCHMARK(BM_AddPoint);

// Every channel's minimum and maximum over 1920 columns for the whole run.
void BM_DecimatedRun(benchmark::State& state) {
  const Decimator d = run_of(state.range(0) * kHour);
  for (auto _ : state) {
    for (std::size_t ch = 0; ch < kChannels; ++ch)
      benchmark::DoNotOptimize(d.columns(ch, 0, d.last_time() + 1, 1920));
  }
  state.counters["hours"] = static_cast<double>(state.range(0));
  state.counters["kept_KiB"] = static_cast<double>(d.bytes()) / 1024;
}
BENCHMARK(BM_DecimatedRun)->Arg(1)->Arg(48)->Unit(benchmark::kMicrosecond);

// What the record adds to a cycle: reading the window, forming the row and
// appending it, with and without waiting for the disk.
void BM_RecordRow(benchmark::State& state) {
  const bool durable = state.range(0) != 0;
  std::string folder = (std::filesystem::temp_directory_path() / "kolvar-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return state.SkipWithError("no temporary folder");
  kolvar::ui::Headless rig;
  auto file = kolvar::platform::AppendFile::create_new(std::filesystem::path(folder) / "run.csv");
  std::optional<std::string> news;
  for (auto _ : state) {
    kolvar::record::Sample s = kolvar::record::take_sample(rig.controller);
    if (file.append(kolvar::record::sample_record(s, news), durable))
      return state.SkipWithError("append failed");
    news = s.news;
  }
  std::filesystem::remove_all(folder);
  state.counters["durable"] = durable;
}
BENCHMARK(BM_RecordRow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
