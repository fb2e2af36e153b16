#include "settings/handlers.h"

#include "settings/defaults.h"
#include "settings/save.h"
#include "settings/startup.h"

namespace kolvar::settings {

void register_handlers(form::Controller& c) {
  c.on_start(Form_Initialize);
  c.on_click(ctl::OK, [](form::Controller& c, int) { OK_Click(c); });
  c.on_click(ctl::OK_set, [](form::Controller& c, int) { OK_set_Click(c); });
  c.on_click(ctl::OK2, [](form::Controller& c, int) { OK2_Click(c); });
  c.on_click(ctl::Def_button, [](form::Controller& c, int) { Def_button_Click(c); });
}

}  // namespace kolvar::settings
