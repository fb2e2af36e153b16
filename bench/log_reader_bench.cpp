// Reading the last line must cost the same for a fresh log and for one that
// has grown for days: compare a tiny log with 100 MiB and 1 GiB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_logs.h"
#include "core/log_reader.h"
#include "platform/failure.h"

namespace {

namespace fs = std::filesystem;

kolvar::bench::Logs logs;

void BM_ReadLastLine(benchmark::State& state) {
  const fs::path& log = logs.of_size(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(kolvar::core::read_last_line(log));
}
BENCHMARK(BM_ReadLastLine)->Arg(1 << 10)->Arg(100 << 20)->Arg(std::int64_t{1} << 30);

// A log that a power cut padded with NULs: its last line never ends. The
// reader gives up after one bounded read, whatever the padding's size.
void BM_ReadNulPaddedLog(benchmark::State& state) {
  const fs::path log = fs::temp_directory_path() / "kolvar-bench-nul-padded.log";
  std::ofstream(log, std::ios::binary) << "12:00:00  88.3\r\n";
  fs::resize_file(log, static_cast<std::uintmax_t>(state.range(0)));
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(kolvar::core::read_last_line(log));
    } catch (const kolvar::Failure&) {
    }
  }
  fs::remove(log);
}
BENCHMARK(BM_ReadNulPaddedLog)->Arg(1 << 20)->Arg(std::int64_t{1} << 30);

}  // namespace
