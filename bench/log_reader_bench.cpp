// Reading the last line must cost the same for a fresh log and for one that
// has grown for days: compare a tiny log with 100 MiB and 1 GiB.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/log_reader.h"

namespace {

namespace fs = std::filesystem;

// The logs are written once, on first use, and removed when the program ends.
class Logs {
 public:
  Logs() {
    std::string pattern = (fs::temp_directory_path() / "kolvar-bench-XXXXXX").string();
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
    const std::string line = "12:00:00  88.3      77.1      91.0      30.2      0.0     \r\n";
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

void BM_ReadLastLine(benchmark::State& state) {
  const fs::path& log = logs.of_size(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(kolvar::core::read_last_line(log));
}
BENCHMARK(BM_ReadLastLine)->Arg(1 << 10)->Arg(100 << 20)->Arg(std::int64_t{1} << 30);

}  // namespace
