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
  c.on_click(ctl::da, da_Click);
  c.on_click(ctl::na, na_Click);
  c.on_click(ctl::kub, kub_Click);
  c.on_click(ctl::kul, kul_Click);
  c.on_click(ctl::opstop, opstop_Click);
  c.on_click(ctl::liquid, plain<liquid_Click>);
  c.on_click(ctl::par, plain<par_Click>);
  c.on_click(ctl::SHIM, plain<SHIM_Click>);
  for (form::Name array : {ctl::ps, ctl::pf, ctl::ss, ctl::lu, ctl::ld, ctl::zm})
    c.on_click(array, [array](form::Controller& controller, int index) {
      pin_menu_Click(controller, array, index);
    });
  c.on_click(ctl::puls, puls_Click);
  c.on_click(ctl::fi, plain<fi_Click>);
  c.on_click(ctl::tk, plain<tk_Click>);
  c.on_click(ctl::settings, plain<settings_Click>);
  c.on_click(ctl::verr, plain<verr_Click>);
  struct PathPanel {
    int panel;
    form::Name drive, dir, file;
  };
  for (const PathPanel& p : {PathPanel{1, ctl::Drive1, ctl::Dir1, ctl::File1},
                             PathPanel{2, ctl::Drive2, ctl::Dir2, ctl::File2}}) {
    const int panel = p.panel;
    c.on_choice(p.drive, [panel](form::Controller& controller, int, const std::string& choice) {
      Drive_Change(controller, panel, choice);
    });
    c.on_choice(p.dir, [panel](form::Controller& controller, int, const std::string& choice) {
      Dir_Change(controller, panel, choice);
    });
    c.on_choice(p.file, [panel](form::Controller& controller, int, const std::string& choice) {
      File_Click(controller, panel, choice);
    });
  }

  c.on_click(ctl::Start_sys_button, plain<Start_sys_button_Click>);
  c.on_click(ctl::Stop_sys_button, plain<Stop_sys_button_Click>);
  c.on_click(ctl::otbor_up_button, plain<otbor_up_button_Click>);
  c.on_click(ctl::otbor_down_button, plain<otbor_down_button_Click>);
  c.on_click(ctl::manual_otb_Ch, plain<manual_otb_Ch_Click>);
  c.on_click(ctl::otb_po_t_bragi, plain<otb_po_t_bragi_Click>);

  c.on_change(ctl::V, V_Change);
  c.on_change(ctl::Interval, plain<Interval_Change>);
  c.on_change(ctl::dopusk, plain<dopusk_Change>);
  c.on_change(ctl::hot, plain<hot_Change>);
  c.on_change(ctl::kalibr_kolonni_scr, plain<kalibr_kolonni_scr_Change>);
  c.on_change(ctl::temp_shim1_scr, plain<temp_shim1_scr_Change>);
  c.on_change(ctl::temp_shim2_scr, plain<temp_shim2_scr_Change>);
  c.on_change(ctl::manual_otb, plain<manual_otb_Change>);
}

}  // namespace kolvar::ui
