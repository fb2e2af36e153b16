#include "ui/controller.h"

namespace kolvar::ui {

// Every area adds its handlers here as it is built.
void register_handlers(Controller& /*controller*/) {}

}  // namespace kolvar::ui
