#include "ui/handlers.h"

#include "settings/defaults.h"
#include "settings/save.h"
#include "settings/startup.h"

namespace kolvar::settings {

void register_handlers(ui::Controller& c) {
  c.on_start(Form_Initialize);
  c.on_start(Form_Load);
  c.on_click("OK", [](ui::Controller& c, int) { OK_Click(c); });
  c.on_click("OK_set", [](ui::Controller& c, int) { OK_set_Click(c); });
  c.on_click("OK2", [](ui::Controller& c, int) { OK2_Click(c); });
  c.on_click("Def_button", [](ui::Controller& c, int) { Def_button_Click(c); });
}

}  // namespace kolvar::settings
