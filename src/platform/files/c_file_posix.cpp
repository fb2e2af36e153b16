#include "platform/files/c_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolvar::platform {

std::FILE* open_c_file(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "rb");
}

std::FILE* open_regular_c_file(const std::filesystem::path& path) {
  // O_NONBLOCK keeps a FIFO from blocking the open; fstat then refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat status {};
  std::FILE* file = nullptr;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) file = ::fdopen(fd, "rb");
  if (!file) ::close(fd);
  return file;
}

}  // namespace kolvar::platform
