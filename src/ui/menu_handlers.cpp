#include "ui/commands.h"
#include "ui/handlers.h"
#include "ui/menus.h"
#include "ui/path_panels.h"

namespace kolvar::ui {

namespace {
// Adapts a handler of the whole form to one that ignores the array index.
template <void (*F)(form::Controller&)>
void plain(form::Controller& c, int) {
  F(c);
}
}  // namespace

void register_menu_handlers(form::Controller& c) {
  c.on_click("da", da_Click);
  c.on_click("na", na_Click);
  c.on_click("kub", kub_Click);
  c.on_click("kul", kul_Click);
  c.on_click("opstop", opstop_Click);
  c.on_click("liquid", plain<liquid_Click>);
  c.on_click("par", plain<par_Click>);
  c.on_click("SHIM", plain<SHIM_Click>);
  for (const char* array : {"ps", "pf", "ss", "lu", "ld", "zm"})
    c.on_click(array,
               [array](form::Controller& ctl, int index) { pin_menu_Click(ctl, array, index); });
  c.on_click("puls", puls_Click);
  c.on_click("fi", plain<fi_Click>);
  c.on_click("tk", plain<tk_Click>);
  c.on_click("settings", plain<settings_Click>);
  c.on_click("verr", plain<verr_Click>);
  for (int panel : {1, 2}) {
    std::string n = std::to_string(panel);
    c.on_choice("Drive" + n, [panel](form::Controller& ctl, int, const std::string& choice) {
      Drive_Change(ctl, panel, choice);
    });
    c.on_choice("Dir" + n, [panel](form::Controller& ctl, int, const std::string& choice) {
      Dir_Change(ctl, panel, choice);
    });
    c.on_choice("File" + n, [panel](form::Controller& ctl, int, const std::string& choice) {
      File_Click(ctl, panel, choice);
    });
  }

  c.on_click("Start_sys_button", plain<Start_sys_button_Click>);
  c.on_click("Stop_sys_button", plain<Stop_sys_button_Click>);
  c.on_click("otbor_up_button", plain<otbor_up_button_Click>);
  c.on_click("otbor_down_button", plain<otbor_down_button_Click>);
  c.on_click("manual_otb_Ch", plain<manual_otb_Ch_Click>);
  c.on_click("otb_po_t_bragi", plain<otb_po_t_bragi_Click>);

  c.on_change("V", V_Change);
  c.on_change("Interval", plain<Interval_Change>);
  c.on_change("dopusk", plain<dopusk_Change>);
  c.on_change("hot", plain<hot_Change>);
  c.on_change("kalibr_kolonni_scr", plain<kalibr_kolonni_scr_Change>);
  c.on_change("temp_shim1_scr", plain<temp_shim1_scr_Change>);
  c.on_change("temp_shim2_scr", plain<temp_shim2_scr_Change>);
  c.on_change("manual_otb", plain<manual_otb_Change>);
}

}  // namespace kolvar::ui
