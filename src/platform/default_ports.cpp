#include "platform/default_ports.h"

#if defined(_WIN32)
#include "platform/win_dll_port.h"
#elif defined(__linux__)
#include "platform/ioperm_port.h"
#include "platform/ppdev_port.h"
#else
#error "no parallel-port backends for this platform"
#endif

namespace kolvar::platform {

DefaultPorts default_ports() {
#if defined(_WIN32)
  return {WinDllPort::dlportio(), WinDllPort::inpout32()};
#else
  return {std::make_unique<PpdevPort>(), std::make_unique<IopermPort>()};
#endif
}

}  // namespace kolvar::platform
