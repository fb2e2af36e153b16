#include "ui/handlers.h"

namespace kolvar::core {

void register_cycle_handlers(ui::Controller&) {}

}  // namespace kolvar::core
