#include "logger/log_append.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kolvar::logger {

void append_line(const std::filesystem::path& log, std::string_view line) {
  const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), log.string());
  ssize_t written;
  do {
    written = ::write(fd, line.data(), line.size());
  } while (written < 0 && errno == EINTR);
  // A short write to a regular file means the disk is full; it is reported
  // like any other failure, not completed by a second write.
  const int error = written < 0 ? errno : ENOSPC;
  const bool whole = written == static_cast<ssize_t>(line.size());
  if (::close(fd) != 0 && whole) {
    throw std::system_error(errno, std::generic_category(), log.string());
  }
  if (!whole) throw std::system_error(error, std::generic_category(), log.string());
}

}  // namespace kolvar::logger
