#include "logger/instance_lock.h"

namespace kolvar::logger {

std::filesystem::path lock_path_for(const std::filesystem::path& log) {
  std::filesystem::path lock = log;
  lock += ".lock";
  return lock;
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : handle_(other.handle_) {
  other.handle_ = -1;
}

}  // namespace kolvar::logger
