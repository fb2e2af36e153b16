#include "platform/default_ports.h"

#include "platform/win_dll_port.h"

namespace kolvar::platform {

DefaultPorts default_ports() {
  return {WinDllPort::dlportio(), WinDllPort::inpout32()};
}

}  // namespace kolvar::platform
