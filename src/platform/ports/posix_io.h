#pragma once
// The few POSIX calls that the ppdev driver makes, behind an interface so that
// a test can stand in for a kernel (with or without a parallel port) and see
// every call. Results follow the kernel's own convention: a negative value is
// the error number negated, so no caller has to read errno.
#include <string>

namespace kolvar::platform {

class PosixIo {
 public:
  virtual ~PosixIo() = default;
  // A new descriptor, or -errno.
  virtual int open(const std::string& path, int flags) = 0;
  // 0 (or the request's non-negative result), or -errno.
  virtual int ioctl(int fd, unsigned long request, void* arg) = 0;
  // 0, or -errno.
  virtual int close(int fd) = 0;
};

// The operating system's calls; stateless, shared by every user.
PosixIo& system_posix_io();

}  // namespace kolvar::platform
