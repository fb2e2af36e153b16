#include "settings/value_labels.h"

#include <array>
#include <stdexcept>
#include <string>

#include "form/text_number.h"

namespace kolvar::settings {

namespace {
struct ValueLabel {
  std::string_view bar;
  const char* label;
  bool tenths;
};

constexpr std::array<ValueLabel, 6> kValueLabels{{
    {"hot", "hot1", true},
    {"dopusk", "dopusk1", true},
    {"temp_shim1_scr", "temp_shim1", true},
    {"temp_shim2_scr", "temp_shim2", true},
    {"kalibr_kolonni_scr", "kalibr_kolonni", false},
    {"manual_otb", "manual_otb_1", false},
}};
}  // namespace

void show_value(form::Controller& c, std::string_view bar) {
  for (const ValueLabel& v : kValueLabels) {
    if (v.bar != bar) continue;
    const int value = c.c(bar).value();
    c.c(v.label).set_text(v.tenths ? form::tenths_text(value, c.decimal_separator())
                                   : std::to_string(value));
    return;
  }
  throw std::logic_error("no value label for " + std::string(bar));
}

void derive_pulse_time(form::Controller& c) {
  c.c("pulse_time").set_text(std::to_string(c.c("Interval").value() * 500));
}

}  // namespace kolvar::settings
