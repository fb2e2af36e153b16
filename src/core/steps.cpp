#include "core/steps.h"

#include <string>

#include "form/text_number.h"
#include "platform/failure.h"

namespace kolvar::core {

double step_setting(const form::Controller& c, form::Name name) {
  const std::string& text = c.c(name).text();
  const double step = form::numeric_value(text);
  if (!(step >= 0 && step <= form::kLargestHeldNumber))
    throw Failure("Шаг " + std::string(name.text()) + " вне допустимого диапазона 0.." +
                  form::decimal_text(form::kLargestHeldNumber, '.') + ": \"" + text + "\"");
  return step;
}

}  // namespace kolvar::core
