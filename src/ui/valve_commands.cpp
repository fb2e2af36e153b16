#include "ui/valve_commands.h"

#include <initializer_list>
#include <string>

#include "form/takeoff.h"
#include "io/valve.h"
#include "settings/startup.h"

namespace kolvar::ui {
namespace {

enum class Mode { Open, Closed, Automatic };

void set_enabled(form::Controller& c, std::initializer_list<form::Name> names, bool enabled) {
  for (form::Name name : names) c.c(name).set_enabled(enabled);
}

void tick_only(form::Controller& c, Mode mode) {
  c.c(ctl::Start).set_checked(mode == Mode::Open);
  c.c(ctl::stp).set_checked(mode == Mode::Closed);
  c.c(ctl::Auto).set_checked(mode == Mode::Automatic);
}

// Under width-modulated take-off the valve procedures write nothing to the
// panel, so the command says what it did; otherwise the panel is emptied for
// the valve procedure's own line.
void tell(form::Controller& c, Mode mode) {
  std::string text;
  if (form::takeoff_type(c) == form::Takeoff::Pwm) {
    switch (mode) {
      case Mode::Open:
        text = "Ручное управление\r\nКлапан открыт";
        break;
      case Mode::Closed:
        text = "Ручное управление\r\nКлапан закрыт";
        break;
      // The operator has always read "зарыт" here; the text stays as it is.
      case Mode::Automatic:
        text = "Авто управление\r\nКлапан зарыт";
        break;
    }
  }
  c.c(ctl::News).set_text(text);
}

void manual(form::Controller& c, Mode mode) {
  tick_only(c, mode);
  tell(c, mode);
  // A pending phase (PWM) or pause or pulse (vapour) would switch the valve
  // against the operator's command until the next cycle ends it; the command
  // holds from the click on.
  for (form::Name timer : {ctl::Timer8, ctl::Timer9, ctl::Timer3, ctl::Timer4})
    c.c(timer).set_on(false);
  if (mode == Mode::Open) {
    io::vkl(c);
  } else {
    io::otkl(c);
  }
  set_enabled(c,
              {ctl::otbor_down_button, ctl::otbor_up_button, ctl::dopusk, ctl::dopusk1,
               ctl::Dopusk2, ctl::manual_otb_2, ctl::manual_otb, ctl::manual_otb_Ch,
               ctl::manual_otb_1, ctl::manual_temp_CH},
              false);
}

}  // namespace

void Start_Click(form::Controller& c) {
  manual(c, Mode::Open);
}

void stp_Click(form::Controller& c) {
  manual(c, Mode::Closed);
}

void Form_Load(form::Controller& c) {
  settings::load_window(c);
  Auto_Click(c);
}

void Auto_Click(form::Controller& c) {
  tick_only(c, Mode::Automatic);
  tell(c, Mode::Automatic);
  io::otkl(c);
  set_enabled(c, {ctl::otbor_down_button, ctl::otbor_up_button}, true);
  if (form::takeoff_type(c) == form::Takeoff::Pwm) apply_pwm_enabling(c);
}

void apply_pwm_enabling(form::Controller& c) {
  if (c.c(ctl::manual_otb_Ch).value() == 1) {
    set_enabled(c, {ctl::manual_otb, ctl::manual_otb_1, ctl::manual_temp_CH, ctl::otb_po_t_bragi},
                true);
    set_enabled(c, {ctl::dopusk, ctl::dopusk1, ctl::Dopusk2}, false);
  } else {
    set_enabled(c, {ctl::dopusk, ctl::dopusk1, ctl::Dopusk2}, true);
  }
  if (c.c(ctl::otb_po_t_bragi).value() == 1)
    set_enabled(c, {ctl::manual_otb, ctl::manual_otb_2, ctl::manual_otb_Ch}, false);
}

}  // namespace kolvar::ui
