// The table of runs over a thousand records of eight hours each (2-second
// cycles): first with no summary beside any record, so each is read through
// and its summary written, then with the summaries kept, which is what every
// later listing costs. The records are made once, in a temporary folder
// removed at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "journal/run_list.h"
#include "platform/time/wall_clock.h"
#include "record/record_format.h"

namespace {

namespace fs = std::filesystem;
namespace chr = std::chrono;
using kolvar::platform::Millis;

constexpr int kRuns = 1000;
constexpr Millis kCycle = 2000;
constexpr Millis kRunLength = 8 * 3600 * 1000;
constexpr int kSettingsLines = 114;

std::string temperature(double degrees) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", degrees);
  return text;
}

// One record as the program writes it: the settings, then a row a cycle,
// the valve opening and closing, and the tank's limit at the end.
std::string eight_hour_record(kolvar::platform::LocalTime start) {
  std::string text = kolvar::record::record_opening(std::vector<std::string>(kSettingsLines, "0"));
  std::optional<std::string> news;
  for (Millis at = kCycle; at <= kRunLength; at += kCycle) {
    kolvar::record::Sample s;
    s.since_start = at;
    s.wall = start + chr::seconds(at / 1000);
    const double phase = static_cast<double>(at) / 600000.0;
    s.temperatures = {
        temperature(78.4 + 0.2 * std::sin(phase)), temperature(80.0 + 0.3 * std::sin(phase)),
        temperature(60.0 + 36.0 * static_cast<double>(at) / kRunLength), temperature(25.0)};
    s.thresholds = {784, 800, 960, 400, 350};
    s.takeoff = kolvar::record::Takeoff::Liquid;
    s.valve_open = std::sin(phase * 7) > 0;
    s.port = *s.valve_open ? 97 : 105;
    s.news = at == kRunLength ? "СИСТЕМА ОСТАНОВЛЕНА\r\nДостигнут предел температуры бака"
                              : "Дефлегматор в норме\r\nНасадка в норме";
    text += kolvar::record::sample_record(s, news);
    news = s.news;
  }
  return text;
}

class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("kolvar-runs-bench-" + std::to_string(getpid()))) {
    fs::create_directories(path_);
    const auto day0 = chr::local_days{chr::year{2024} / 1 / 1} + chr::hours{9};
    const std::string record = eight_hour_record(day0);
    for (int k = 0; k < kRuns; ++k) {
      const auto start = day0 + chr::days{k};
      std::ofstream(path_ / (kolvar::platform::file_stamp(start) + ".csv"), std::ios::binary)
          << record;
    }
    bytes_ = static_cast<double>(record.size()) * kRuns;
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  double bytes() const { return bytes_; }
  void forget_summaries() const {
    for (const auto& entry : fs::directory_iterator(path_))
      if (entry.path().extension() == ".summary") fs::remove(entry.path());
  }

 private:
  fs::path path_;
  double bytes_ = 0;
};

const Folder& folder() {
  static const Folder made;
  return made;
}

void BM_ListRunsCold(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    folder().forget_summaries();
    state.ResumeTiming();
    benchmark::DoNotOptimize(kolvar::journal::list_runs(folder().path()));
  }
  state.counters["records_MiB"] = folder().bytes() / (1024 * 1024);
}
BENCHMARK(BM_ListRunsCold)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ListRunsCached(benchmark::State& state) {
  kolvar::journal::list_runs(folder().path());  // the summaries made once
  for (auto _ : state) {
    const auto runs = kolvar::journal::list_runs(folder().path());
    if (runs.size() != kRuns) state.SkipWithError("not every run listed");
    benchmark::DoNotOptimize(runs);
  }
}
BENCHMARK(BM_ListRunsCached)->Unit(benchmark::kMillisecond);

}  // namespace
