#pragma once
// A fresh folder per test, removed with everything in it afterwards, and the
// small file helpers the settings tests share.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace kolvar::settings::testing {

using kolvar::testing::TempFolder;

inline void write_bytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The lines as a save writes them: each followed by CR LF.
inline std::string with_crlf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

// A full file's lines, each telling its content and line number apart.
inline std::vector<std::string> numbered_lines(const std::string& tag, std::size_t count = 114) {
  std::vector<std::string> lines;
  for (std::size_t i = 1; i <= count; ++i) lines.push_back(tag + " " + std::to_string(i) + " ");
  return lines;
}

}  // namespace kolvar::settings::testing
