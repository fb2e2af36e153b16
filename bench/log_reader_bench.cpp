// Reading the last line must cost the same for a fresh log and for one that
// has grown for days: compare a tiny log with 100 MiB and 1 GiB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_logs.h"
#include "core/log_reader.h"

namespace {

namespace fs = std::filesystem;

kolvar::bench::Logs logs;

void BM_ReadLastLine(benchmark::State& state) {
  const fs::path& log = logs.of_size(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(kolvar::core::read_last_line(log));
}
BENCHMARK(BM_ReadLastLine)->Arg(1 << 10)->Arg(100 << 20)->Arg(std::int64_t{1} << 30);

}  // namespace
