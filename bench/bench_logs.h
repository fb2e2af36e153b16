#pragma once
// Logger logs of a given size for the benchmarks, in a temporary folder.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace kolvar::bench {

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

}  // namespace kolvar::bench
