#include "ui/handlers.h"
#include "ui/valve_commands.h"

namespace kolvar::ui {

void register_valve_commands(form::Controller& c) {
  c.on_click(ctl::Start, [](form::Controller& c, int) { Start_Click(c); });
  c.on_click(ctl::stp, [](form::Controller& c, int) { stp_Click(c); });
  c.on_start(Form_Load);
  c.on_click(ctl::Auto, [](form::Controller& c, int) { Auto_Click(c); });
}

}  // namespace kolvar::ui
