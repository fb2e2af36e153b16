#pragma once
// A file opened for reading only, shared with a program that keeps writing it.
// Reads are positioned (no file position is kept), so a reader may jump
// straight to the end of a file of any size.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>

namespace kolvar::platform {

class ReadOnlyFile {
 public:
  // Opens a regular file; throws std::system_error with the system's reason
  // (a folder or a device is refused, since only regular files have an end).
  explicit ReadOnlyFile(const std::filesystem::path& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // The size now; a writer may append after this.
  std::uint64_t size() const;

  // Reads from offset until buffer is full or the file ends; returns the
  // number of bytes read. Throws std::system_error.
  std::size_t read_at(std::uint64_t offset, std::span<char> buffer) const;

 private:
  std::intptr_t handle_;  // a descriptor, or a Windows HANDLE
};

// The whole of a small file the program reads from outside (a settings
// file): a regular file of at most `most_bytes`, so that a link to a device
// that never ends, a FIFO that never opens or a file of gigabytes is
// refused at once. Throws std::system_error: EFBIG for a larger file, EISDIR
// for a folder, EINVAL for anything else that is not a regular file, or the
// system's reason.
std::string read_small_file(const std::filesystem::path& path, std::uint64_t most_bytes);

// Why read_small_file refused, in a few words for a message that names the
// file: "not a regular file", "a folder, not a file", "larger than 64 KiB",
// or the system's own words.
std::string small_file_refusal(const std::system_error& error, std::uint64_t most_bytes);

}  // namespace kolvar::platform
