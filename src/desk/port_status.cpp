#include "desk/port_status.h"

namespace kolvar::desk {

std::string port_status(const form::Controller& c) {
  switch (c.port_driver_state) {
    case form::PortDriverState::FirstBackend:
      return "Выходы колонны: " + c.os.port1.name();
    case form::PortDriverState::SecondBackend:
      return "Выходы колонны: " + c.os.port2.name();
    case form::PortDriverState::NoBackend:
      return "Выходы не доходят до колонны: порт недоступен";
    case form::PortDriverState::Unwritten:
      break;
  }
  return "Порт ещё не записывался";
}

}  // namespace kolvar::desk
