#include "core/run_counters.h"

#include <string>

#include "ui/text_number.h"

namespace kolvar::core {

long long count_by(ui::Controller& c, std::string_view name, long long delta) {
  ui::Control& box = c.c(name);
  const long long value = ui::counter_value(box.text(), name) + delta;
  box.set_text(std::to_string(value));
  return value;
}

}  // namespace kolvar::core
