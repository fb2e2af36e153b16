#pragma once
// Direct processor port I/O (ioperm and outb on x86 Linux), behind an interface
// so that a test can grant or refuse permission without root and without ever
// touching real hardware.
#include <cstdint>

namespace kolvar::platform {

class PortIo {
 public:
  virtual ~PortIo() = default;
  // Whether this processor has I/O port instructions at all.
  virtual bool present() const = 0;
  // Asks for access to count ports from first; 0, or -errno (EPERM without root).
  virtual int ioperm(unsigned long first, unsigned long count) = 0;
  // Writes value to port; only after ioperm granted that port.
  virtual void outb(std::uint8_t value, std::uint16_t port) = 0;
};

// The processor's own instructions; stateless, shared by every user.
PortIo& system_port_io();

}  // namespace kolvar::platform
