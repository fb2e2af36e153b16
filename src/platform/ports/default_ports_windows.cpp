#include "platform/ports/default_ports.h"

#include "platform/ports/win_dll_port.h"

namespace kolvar::platform {

DefaultPorts default_ports() {
  return {WinDllPort::dlportio(), WinDllPort::inpout32()};
}

}  // namespace kolvar::platform
