#include "logger/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>

namespace kolvar::logger {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void throw_errno(int error, const fs::path& path) {
  throw std::system_error(error, std::generic_category(), path.string());
}

}  // namespace

std::optional<InstanceLock> InstanceLock::try_take(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) throw_errno(errno, path);
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return std::nullopt;
    throw_errno(error, path);
  }
  // The id only helps the operator find the running copy; the lock does not
  // depend on it, so a failure to record it is not an error.
  const std::string id = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, id.data(), id.size(), 0);
  }
  return InstanceLock(fd);
}

long InstanceLock::recorded_holder(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return 0;
  char text[32];
  const ssize_t n = ::read(fd, text, sizeof text);
  ::close(fd);
  if (n <= 0) return 0;
  long id = 0;
  std::from_chars(text, text + n, id);
  return id;
}

InstanceLock::~InstanceLock() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace kolvar::logger
