#include "core/run_counters.h"

#include <string>

#include "form/text_number.h"

namespace kolvar::core {

long long count_by(form::Controller& c, std::string_view name, long long delta) {
  form::Control& box = c.c(name);
  const long long value = form::counter_value(box.text(), name) + delta;
  box.set_text(std::to_string(value));
  return value;
}

}  // namespace kolvar::core
