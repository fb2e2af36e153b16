#include "core/roles.h"

namespace kolvar::core {

bool role_enabled(const form::Controller& c, int role) {
  return c.c(ctl::T, role).enabled();
}

double role_temperature(const form::Controller& c, int role) {
  return c.column.role(role).value;
}

bool role_over(const form::Controller& c, int role, const form::Control& threshold) {
  return role_enabled(c, role) && role_temperature(c, role) > threshold.value() / 10.0;
}

bool role_read_error(const form::Controller& c, int role) {
  return role_enabled(c, role) && c.column.role(role).unreadable();
}

bool read_error(const form::Controller& c) {
  for (int role = 1; role <= kRoleCount; ++role) {
    if (role_read_error(c, role)) return true;
  }
  return false;
}

}  // namespace kolvar::core
