#pragma once
// A whole file's bytes, read or written as they are (no line-end translation).
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace kolvar::testing {

// Empty when the file cannot be read.
inline std::string read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void write_bytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kolvar::testing
