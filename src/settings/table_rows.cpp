#include "settings/table_rows.h"

#include <initializer_list>

namespace kolvar::settings {
namespace {

struct Part {
  form::Name name;
  int index;
};

void set_row(form::Controller& c, std::initializer_list<Part> row, bool enabled) {
  for (const Part& p : row) c.c(p.name, p.index).set_enabled(enabled);
}

bool any_ticked(const form::Controller& c, form::Name menu) {
  for (int k = 1; k <= 5; ++k)
    if (c.c(menu, k).checked()) return true;
  return false;
}

}  // namespace

void enable_control_rows(form::Controller& c) {
  set_row(c, {{ctl::L, 1}, {ctl::T, 1}, {ctl::T2, 1}, {ctl::V, 1}}, !c.c(ctl::opstop, 2).checked());
  set_row(c, {{ctl::L, 2}, {ctl::T, 2}, {ctl::T2, 2}, {ctl::V, 2}}, !c.c(ctl::opstop, 1).checked());
}

void enable_sensor_rows(form::Controller& c) {
  set_row(c, {{ctl::L, 3}, {ctl::T, 3}, {ctl::T2, 3}, {ctl::V, 3}}, any_ticked(c, ctl::kub));
  const bool cooler = any_ticked(c, ctl::kul);
  set_row(c, {{ctl::T, 4}, {ctl::T2, 4}, {ctl::T2, 5}, {ctl::V, 4}, {ctl::V, 5}}, cooler);
  set_row(c, {{ctl::L, 0}, {ctl::L, 4}, {ctl::L, 5}}, cooler);
}

}  // namespace kolvar::settings
