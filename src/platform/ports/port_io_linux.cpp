#include "platform/ports/port_io.h"

#include <cerrno>

#if defined(__i386__) || defined(__x86_64__)
#include <sys/io.h>
#define KOLVAR_HAS_PORT_IO 1
#else
#define KOLVAR_HAS_PORT_IO 0
#endif

namespace kolvar::platform {
namespace {

class SystemPortIo final : public PortIo {
 public:
  bool present() const override { return KOLVAR_HAS_PORT_IO; }

#if KOLVAR_HAS_PORT_IO
  int ioperm(unsigned long first, unsigned long count) override {
    return ::ioperm(first, count, 1) == 0 ? 0 : -errno;
  }
  void outb(std::uint8_t value, std::uint16_t port) override {
    ::outb(value, port);
  }
#else
  int ioperm(unsigned long, unsigned long) override {
    return -ENOSYS;
  }
  void outb(std::uint8_t, std::uint16_t) override {}
#endif
};

}  // namespace

PortIo& system_port_io() {
  static SystemPortIo io;
  return io;
}

}  // namespace kolvar::platform
