#include "ui/handlers.h"

namespace kolvar::core {

void register_pwm_handlers(ui::Controller&) {}

}  // namespace kolvar::core
