#pragma once
// A file opened for reading only, shared with a program that keeps writing it.
// Reads are positioned (no file position is kept), so a reader may jump
// straight to the end of a file of any size.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

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

}  // namespace kolvar::platform
