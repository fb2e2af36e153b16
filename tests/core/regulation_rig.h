#pragma once
// A controller set up for calling the take-off steps directly: valve start on
// pin(0), lift up on pin(1), lift down on pin(2), control by both roles with
// thresholds 88.0 (dephlegmator) and 77.0 (packing), tank and cooler rows off.
#include <string>
#include <string_view>

#include "core/role_temperatures.h"
#include "ui/headless.h"

namespace kolvar::core::testing {

struct RegulationRig {
  ui::Headless h;
  form::Controller& c = h.controller;

  explicit RegulationRig(const char* type) {
    for (const char* t : {"liquid", "par", "SHIM"})
      c.form.get(t).set_checked(t == std::string(type));
    c.c(ctl::Auto).set_checked(true);
    c.c(ctl::ps, 1).set_checked(true);
    c.c(ctl::lu, 2).set_checked(true);
    c.c(ctl::ld, 3).set_checked(true);
    c.c(ctl::T, 3).set_enabled(false);
    c.c(ctl::T, 4).set_enabled(false);
    temperatures("50", "50");
  }

  // The two control roles read these texts, as the cycle's reading of the
  // log would leave them.
  void temperatures(std::string_view dephlegmator, std::string_view packing) {
    reading(1, dephlegmator);
    reading(2, packing);
  }
  // Role r reads this text.
  void reading(int role, std::string_view text) { set_role_reading(c, role, std::string(text)); }
  // The waiting option on with `wait_def` and the counter as given.
  void waiting(std::string_view wait_def, std::string_view wait) {
    c.c(ctl::wait_ch).set_value(1);
    c.c(ctl::wait_def).set_text(std::string(wait_def));
    c.c(ctl::wait).set_text(std::string(wait));
  }
  void no_waiting() { c.c(ctl::wait_ch).set_value(0); }

  std::string text(std::string_view name) const { return c.form.get(name).text(); }
  bool on(std::string_view timer) const { return c.form.get(timer).on(); }
  bool valve_open() const { return c.c(ctl::pin, 0).text() == "1"; }
};

}  // namespace kolvar::core::testing
