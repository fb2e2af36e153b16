#include "platform/files/read_only_file.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "platform/windows_error.h"

namespace kolvar::platform {

namespace {

[[noreturn]] void throw_last_error() {
  throw std::system_error(last_windows_error());
}

HANDLE handle_of(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

// Every sharing mode is granted, so the logger may go on appending, and even
// rename or delete its log, while the controller reads it.
ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    // A folder cannot be opened as a file at all; say so as other systems do.
    const DWORD error = GetLastError();
    std::error_code ignored;
    if (error == ERROR_ACCESS_DENIED && std::filesystem::is_directory(path, ignored))
      throw std::system_error(EISDIR, std::generic_category());
    throw std::system_error(windows_error(error));
  }
  // Only files on a disk have an end to read back from.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    throw std::system_error(EINVAL, std::generic_category());
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
}

ReadOnlyFile::~ReadOnlyFile() {
  CloseHandle(handle_of(handle_));
}

std::uint64_t ReadOnlyFile::size() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle_of(handle_), &size)) throw_last_error();
  return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t ReadOnlyFile::read_at(std::uint64_t offset, std::span<char> buffer) const {
  std::size_t done = 0;
  while (done < buffer.size()) {
    const std::uint64_t at = offset + done;
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(at);
    position.OffsetHigh = static_cast<DWORD>(at >> 32);
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1 << 20));
    DWORD n = 0;
    if (!ReadFile(handle_of(handle_), buffer.data() + done, wanted, &n, &position)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      throw_last_error();
    }
    if (n == 0) break;
    done += n;
  }
  return done;
}

}  // namespace kolvar::platform
