#include "ui/handlers.h"

namespace kolvar::ui {

void register_menu_handlers(Controller&) {}

}  // namespace kolvar::ui
