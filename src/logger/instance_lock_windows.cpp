#include "logger/instance_lock.h"

#include <windows.h>

#include <charconv>
#include <string>
#include <system_error>

#include "platform/windows_error.h"

namespace kolvar::logger {

namespace fs = std::filesystem;

namespace {

// Windows locks are mandatory: a locked byte cannot be read by anyone else.
// The lock is taken on one byte far past the end, so the recorded process
// id at the start stays readable for a second copy that wants to name the
// first.
constexpr DWORD kLockedByte = 1 << 20;

[[noreturn]] void throw_last_error(const fs::path& path) {
  throw std::system_error(platform::last_windows_error(), path.string());
}

HANDLE handle_of(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

std::optional<InstanceLock> InstanceLock::try_take(const fs::path& path) {
  // Shared for reading, writing and deleting, so only the lock itself keeps
  // a second copy out, as an flock does.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw_last_error(path);
  OVERLAPPED at{};
  at.Offset = kLockedByte;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return std::nullopt;
    throw std::system_error(platform::windows_error(error), path.string());
  }
  // The id only helps the operator find the running copy; the lock does not
  // depend on it, so a failure to record it is not an error.
  const std::string id = std::to_string(GetCurrentProcessId()) + "\r\n";
  DWORD written = 0;
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(file)) {
    WriteFile(file, id.data(), static_cast<DWORD>(id.size()), &written, nullptr);
  }
  return InstanceLock(reinterpret_cast<std::intptr_t>(file));
}

long InstanceLock::recorded_holder(const fs::path& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  char text[32];
  DWORD n = 0;
  const BOOL read = ReadFile(file, text, sizeof text, &n, nullptr);
  CloseHandle(file);
  if (!read || n == 0) return 0;
  long id = 0;
  std::from_chars(text, text + n, id);
  return id;
}

InstanceLock::~InstanceLock() {
  // The system lets the lock go with the last handle.
  if (handle_ != -1) CloseHandle(handle_of(handle_));
}

}  // namespace kolvar::logger
