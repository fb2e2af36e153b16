#pragma once
// The settings file's lines as the settings tests write and expect them, and
// the shared folder and file helpers under the names these tests use.
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::settings::testing {

using kolvar::testing::read_bytes;
using kolvar::testing::TempFolder;
using kolvar::testing::write_bytes;

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
