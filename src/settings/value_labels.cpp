#include "settings/value_labels.h"

#include <array>
#include <stdexcept>
#include <string>

#include "form/text_number.h"

namespace kolvar::settings {

namespace {
struct ValueLabel {
  form::Name bar;
  form::Name label;
  bool tenths;
};

constexpr std::array<ValueLabel, 6> kValueLabels{{
    {ctl::hot, ctl::hot1, true},
    {ctl::dopusk, ctl::dopusk1, true},
    {ctl::temp_shim1_scr, ctl::temp_shim1, true},
    {ctl::temp_shim2_scr, ctl::temp_shim2, true},
    {ctl::kalibr_kolonni_scr, ctl::kalibr_kolonni, false},
    {ctl::manual_otb, ctl::manual_otb_1, false},
}};
}  // namespace

void show_value(form::Controller& c, form::Name bar) {
  for (const ValueLabel& v : kValueLabels) {
    if (v.bar != bar) continue;
    const int value = c.c(bar).value();
    c.c(v.label).set_text(v.tenths ? form::tenths_text(value, c.decimal_separator())
                                   : std::to_string(value));
    return;
  }
  throw std::logic_error("no value label for " + std::string(bar.text()));
}

void derive_pulse_time(form::Controller& c) {
  c.c(ctl::pulse_time).set_text(std::to_string(c.c(ctl::Interval).value() * 500));
}

}  // namespace kolvar::settings
