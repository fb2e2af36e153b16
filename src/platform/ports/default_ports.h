#pragma once
// The real port backends of this platform, in the order they are tried.
#include <memory>

#include "platform/ports/port_backend.h"

namespace kolvar::platform {

struct DefaultPorts {
  std::unique_ptr<PortBackend> first;
  std::unique_ptr<PortBackend> second;
};

// Linux: ppdev on /dev/parport0, then direct I/O at 0x378.
// Windows: dlportio.dll, then inpout32.dll.
DefaultPorts default_ports();

}  // namespace kolvar::platform
