#include "core/role_temperatures.h"

#include <array>

#include "core/roles.h"

namespace kolvar::core {

namespace {
// The sensor menu array of each role, role 1 first.
constexpr std::array<form::Name, kRoleCount> kSensorMenus{ctl::da, ctl::na, ctl::kub, ctl::kul};
}  // namespace

int sensor_column(const form::Controller& c, int role) {
  for (int column = 1; column <= 4; ++column) {
    if (c.c(kSensorMenus[role - 1], column).checked()) return column;
  }
  return 5;
}

void set_role_temperatures(form::Controller& c, const LogFields& line) {
  for (int role = 1; role <= kRoleCount; ++role) {
    form::Control& label = c.c(ctl::T, role);
    if (label.enabled()) {
      label.set_text(line.sensor[sensor_column(c, role) - 1]);
    } else {
      label.set_text(c.c(ctl::T2, role).text());
    }
  }
  c.c(ctl::time_log2).set_text(line.time);
}

}  // namespace kolvar::core
