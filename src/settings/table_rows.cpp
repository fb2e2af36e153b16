#include "settings/table_rows.h"

#include <initializer_list>
#include <string_view>

namespace kolvar::settings {
namespace {

struct Part {
  std::string_view name;
  int index;
};

void set_row(form::Controller& c, std::initializer_list<Part> row, bool enabled) {
  for (const Part& p : row) c.c(p.name, p.index).set_enabled(enabled);
}

bool any_ticked(const form::Controller& c, std::string_view menu) {
  for (int k = 1; k <= 5; ++k)
    if (c.c(menu, k).checked()) return true;
  return false;
}

}  // namespace

void enable_control_rows(form::Controller& c) {
  set_row(c, {{"L", 1}, {"T", 1}, {"T2", 1}, {"V", 1}}, !c.c("opstop", 2).checked());
  set_row(c, {{"L", 2}, {"T", 2}, {"T2", 2}, {"V", 2}}, !c.c("opstop", 1).checked());
}

void enable_sensor_rows(form::Controller& c) {
  set_row(c, {{"L", 3}, {"T", 3}, {"T2", 3}, {"V", 3}}, any_ticked(c, "kub"));
  set_row(c, {{"T", 4}, {"T2", 4}, {"T2", 5}, {"V", 4}, {"V", 5}, {"L", 0}, {"L", 4}, {"L", 5}},
          any_ticked(c, "kul"));
}

}  // namespace kolvar::settings
