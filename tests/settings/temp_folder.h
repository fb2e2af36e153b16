#pragma once
// A fresh folder per test, removed with everything in it afterwards, and the
// small file helpers the settings tests share.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar::settings::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("kolvar-settings-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" +
             std::to_string(std::random_device{}()));
    std::filesystem::create_directory(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

  // Every name in the folder, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      result.push_back(entry.path().filename().string());
    }
    std::sort(result.begin(), result.end());
    return result;
  }

 private:
  std::filesystem::path path_;
};

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
