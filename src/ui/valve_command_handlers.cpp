#include "ui/handlers.h"

namespace kolvar::ui {

void register_valve_commands(Controller&) {}

}  // namespace kolvar::ui
