#include "ui/handlers.h"

namespace kolvar::settings {

void register_handlers(ui::Controller&) {}

}  // namespace kolvar::settings
