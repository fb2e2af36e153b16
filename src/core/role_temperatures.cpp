#include "core/role_temperatures.h"

#include <array>
#include <string>
#include <utility>

#include "core/roles.h"

namespace kolvar::core {

namespace {
// The sensor menu array of each role, role 1 first.
constexpr std::array<form::Name, kRoleCount> kSensorMenus{ctl::da, ctl::na, ctl::kub, ctl::kul};
}  // namespace

int sensor_column(const form::Controller& c, int role) {
  constexpr int kLast = platform::log_line::kSensors;
  for (int column = 1; column < kLast; ++column) {
    if (c.c(kSensorMenus[role - 1], column).checked()) return column;
  }
  return kLast;
}

void set_role_reading(form::Controller& c, int role, std::string text) {
  c.c(ctl::T, role).set_text(std::move(text));
}

void set_role_temperatures(form::Controller& c, const LogFields& line) {
  for (int role = 1; role <= kRoleCount; ++role) {
    set_role_reading(c, role,
                     role_enabled(c, role) ? line.sensor[sensor_column(c, role) - 1]
                                           : c.c(ctl::T2, role).text());
  }
  c.c(ctl::time_log2).set_text(line.time);
  c.column.mark_read();
}

}  // namespace kolvar::core
