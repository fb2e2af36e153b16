#pragma once
// One logger per log: a copy holds an exclusive flock on a lock file beside
// the log for as long as it runs, so a second copy (the controller restarts
// the logger when the log stalls) finds it taken and leaves the log alone.
// The system drops the lock when the holder ends, however it ends; the file
// itself stays and is reused. POSIX takes an flock (instance_lock_posix.cpp),
// Windows LockFileEx on the open file (instance_lock_windows.cpp).
#include <cstdint>
#include <filesystem>
#include <optional>

namespace kolvar::logger {

// "temperatures.log" -> "temperatures.log.lock", in the same folder.
std::filesystem::path lock_path_for(const std::filesystem::path& log);

class InstanceLock {
 public:
  // Takes the lock, creating the file when missing, and records this
  // process's id in it; nullopt when another holder has it. Throws
  // std::system_error when the file cannot be created or opened.
  static std::optional<InstanceLock> try_take(const std::filesystem::path& path);

  // The process id recorded by the holder, or 0 when none can be read.
  static long recorded_holder(const std::filesystem::path& path);

  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&&) = delete;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

 private:
  explicit InstanceLock(std::intptr_t handle) : handle_(handle) {}

  // The open lock file: a descriptor on POSIX, a HANDLE on Windows; -1 for
  // none (moved from).
  std::intptr_t handle_;
};

}  // namespace kolvar::logger
