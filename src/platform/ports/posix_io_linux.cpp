#include "platform/ports/posix_io.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace kolvar::platform {
namespace {

int result_or_error(int result) {
  return result < 0 ? -errno : result;
}

class SystemPosixIo final : public PosixIo {
 public:
  int open(const std::string& path, int flags) override {
    return result_or_error(::open(path.c_str(), flags));
  }
  int ioctl(int fd, unsigned long request, void* arg) override {
    return result_or_error(::ioctl(fd, request, arg));
  }
  int close(int fd) override { return result_or_error(::close(fd)); }
};

}  // namespace

PosixIo& system_posix_io() {
  static SystemPosixIo io;
  return io;
}

}  // namespace kolvar::platform
