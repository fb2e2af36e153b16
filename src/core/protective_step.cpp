#include "core/protective_step.h"

#include <string>

#include "core/cycles_left.h"
#include "core/roles.h"
#include "core/system_stop.h"
#include "io/coil.h"

namespace kolvar::core {

namespace {

// A count below zero can only come from an edit by hand; it means no cycles
// are left, or the stop would never come.
bool none_left(const std::optional<long long>& left) {
  return left && *left <= 0;
}

}  // namespace

Protection protective_step(form::Controller& c) {
  // The overheat count is kept by vapour take-off; a count that cannot be
  // read at all cannot have run out.
  if (none_left(cycles_left(c, ctl::peregrev, ctl::peregrev_def))) {
    system_stop(c, "Перегрев");
    return Protection::Stopped;
  }
  if (role_over(c, kTank, c.c(ctl::V, 3))) {
    system_stop(c, "Достигнут предел температуры бака");
    return Protection::Stopped;
  }

  if (role_over(c, kCoolerOutlet, c.c(ctl::V, 5))) {
    io::vkl2(c);
  } else {
    io::otkl2(c);
  }

  form::Control& no_water = c.c(ctl::net_vodi);
  if (role_over(c, kCoolerOutlet, c.c(ctl::V, 4))) {
    const std::optional<long long> left = cycles_left(c, ctl::net_vodi, ctl::net_vodi_def);
    // With no count to keep, the cooler is over its limit now: stop.
    if (!left || *left <= 0) {
      system_stop(c, "Перегрев холодильника");
      return Protection::Stopped;
    }
    no_water.set_text(std::to_string(*left - 1));
  } else {
    no_water.set_text(c.c(ctl::net_vodi_def).text());
  }

  bool stopped = false;
  for (int role = 1; role <= kRoleCount; ++role) {
    if (role_over(c, role, c.c(ctl::hot))) {
      system_stop(c, "Аварийный перегрев\r\n" + c.c(ctl::L, role).text());
      stopped = true;
    }
  }
  return stopped ? Protection::Stopped : Protection::Running;
}

}  // namespace kolvar::core
