#include "view/port_status.h"

#include "io/port_write.h"

namespace kolvar::view {

std::string port_status(const form::Controller& c) {
  switch (c.port_driver_state) {
    case io::kFirstBackend:
      return "Выходы колонны: " + c.os.port1.name();
    case io::kSecondBackend:
      return "Выходы колонны: " + c.os.port2.name();
    case io::kNoBackend:
      return "Выходы не доходят до колонны: порт недоступен";
    default:
      return "Порт ещё не записывался";
  }
}

}  // namespace kolvar::view
