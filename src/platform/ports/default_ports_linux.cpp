#include "platform/ports/default_ports.h"

#include "platform/ports/ioperm_port.h"
#include "platform/ports/ppdev_port.h"

namespace kolvar::platform {

DefaultPorts default_ports() {
  return {std::make_unique<PpdevPort>(), std::make_unique<IopermPort>()};
}

}  // namespace kolvar::platform
