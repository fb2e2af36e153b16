#include "platform/default_ports.h"

#include "platform/ioperm_port.h"
#include "platform/ppdev_port.h"

namespace kolvar::platform {

DefaultPorts default_ports() {
  return {std::make_unique<PpdevPort>(), std::make_unique<IopermPort>()};
}

}  // namespace kolvar::platform
