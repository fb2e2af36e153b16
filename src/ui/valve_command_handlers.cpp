#include "ui/handlers.h"
#include "ui/valve_commands.h"

namespace kolvar::ui {

void register_valve_commands(Controller& c) {
  c.on_click("Start", [](Controller& c, int) { Start_Click(c); });
  c.on_click("stp", [](Controller& c, int) { stp_Click(c); });
  c.on_click("Auto", [](Controller& c, int) { Auto_Click(c); });
}

}  // namespace kolvar::ui
