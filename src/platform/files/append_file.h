#pragma once
// A file that grows by whole records. Each record goes out in one write, so a
// killed process leaves whole records only; a write that the system cuts short
// (a full disk) is taken back, so the file never holds half a record with
// whole ones after it.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kolvar::platform {

class AppendFile {
 public:
  // Creates a file that does not exist yet; nothing is ever overwritten.
  // Throws std::system_error (an existing file: std::errc::file_exists).
  static AppendFile create_new(const std::filesystem::path& path);
  // Opens a file for appending, created when missing (a device such as
  // /dev/full too). Throws std::system_error.
  static AppendFile open(const std::filesystem::path& path);

  AppendFile(AppendFile&& other) noexcept;
  AppendFile& operator=(AppendFile&& other) noexcept;
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;
  ~AppendFile();

  // Appends the record whole, or not at all; with `durable` it has reached
  // the disk when this returns. After a record that could not be taken back
  // the file refuses every further one, since they would follow a torn one.
  std::error_code append(std::string_view record, bool durable);

 private:
  explicit AppendFile(int fd) : fd_(fd) {}
  std::error_code take_back(std::size_t written);
  void close();

  int fd_ = -1;
  std::error_code broken_;
};

}  // namespace kolvar::platform
