// One whole control cycle must cost the same for a fresh log and for one that
// has grown all run long: a 1 KiB log against 100 MiB and 1 GiB.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/control_cycle.h"
#include "ui/headless.h"

namespace {

namespace fs = std::filesystem;

// The logs are written once, on first use, and removed when the program ends.
class Logs {
 public:
  Logs() {
    std::string pattern = (fs::temp_directory_path() / "kolvar-cycle-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) dir_ = pattern;
  }
  ~Logs() {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  const fs::path& of_size(std::int64_t bytes) {
    auto [entry, made] =
        paths_.try_emplace(bytes, dir_ / ("keeper-" + std::to_string(bytes) + ".log"));
    if (made) write(entry->second, bytes);
    return entry->second;
  }

 private:
  // A megabyte of whole lines written over and over; real data, not a sparse file.
  static void write(const fs::path& path, std::int64_t bytes) {
    const std::string line = "12:00:00  88.3      77.1      51.0      30.2      20.0     \r\n";
    std::string chunk;
    while (chunk.size() + line.size() <= (1 << 20)) chunk += line;
    std::ofstream out(path, std::ios::binary);
    for (std::int64_t left = bytes; left > 0; left -= static_cast<std::int64_t>(chunk.size())) {
      out.write(chunk.data(),
                std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size())));
    }
  }

  fs::path dir_;
  std::map<std::int64_t, fs::path> paths_;
};

Logs logs;

// Liquid take-off under "Закрыть клапан": the cycle reads the log, sets the
// labels, closes the valve and runs the protective step, writing the port
// three times, as a manual run does every second.
void BM_ControlCycle(benchmark::State& state) {
  const fs::path& log = logs.of_size(state.range(0));
  kolvar::ui::Headless rig;
  kolvar::ui::Controller& c = rig.controller;
  c.c("LogPath", 1).set_text(log.string());
  c.c("time_error").set_text("0");
  c.c("Ch_log").set_value(0);  // a log that never moves is not the point here
  c.c("stp").set_checked(true);
  c.c("ps", 1).set_checked(true);
  c.c("pf", 2).set_checked(true);
  for (auto _ : state) kolvar::core::ControlCycle(c);
  state.counters["log_MiB"] = static_cast<double>(state.range(0)) / (1 << 20);
}
BENCHMARK(BM_ControlCycle)->Arg(1 << 10)->Arg(100 << 20)->Arg(std::int64_t{1} << 30);

}  // namespace
