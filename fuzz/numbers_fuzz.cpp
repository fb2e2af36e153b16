// The numeric texts: whatever a control holds, reading it never goes wrong,
// and a number that the program writes reads back as the value written.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "form/text_number.h"
#include "fuzz_support.h"
#include "platform/failure.h"

using namespace kolvar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double value = form::numeric_value(text);
  fuzz::require(!std::isnan(value), "a numeric value is never NaN");
  if (std::isfinite(value)) {
    const std::string written = form::decimal_text(value, '.');
    fuzz::require(written.find('e') == std::string::npos, "decimal text has no exponent", written);
    if (std::fabs(value) >= 1e15 || std::fabs(value) < 1e-4) {
      // All digits, so the text is the value itself.
      if (std::fabs(value) >= 1)
        fuzz::require(form::numeric_value(written) == value, "large values read back", written);
    } else {
      // 15 significant digits: the same value to within that precision.
      const double back = form::numeric_value(written);
      fuzz::require(std::fabs(back - value) <= std::fabs(value) * 1e-14,
                    "a written value reads back", written);
      fuzz::require(form::decimal_text(back, '.') == written, "writing again gives the same text",
                    written);
    }
    const std::string comma = form::decimal_text(value, ',');
    fuzz::require(comma.find('.') == std::string::npos, "the separator is the user's", comma);
  }

  try {
    const double held = form::held_number(value, "x");
    fuzz::require(std::fabs(held) <= form::kLargestHeldNumber, "held numbers are in range");
    const long long whole = form::round_half_even(held);
    fuzz::require(std::fabs(static_cast<double>(whole) - held) <= 0.5, "rounding is to nearest");
  } catch (const Failure&) {
    fuzz::require(!(std::fabs(value) <= form::kLargestHeldNumber),
                  "only numbers out of range fail");
  }

  try {
    const long long counter = form::counter_value(text, "x");
    fuzz::require(form::counter_value(std::to_string(counter), "x") == counter,
                  "a counter written back reads the same");
  } catch (const Failure&) {
  }
  try {
    const double required = form::required_number(text, "x");
    fuzz::require(required == value, "a required number is the numeric value");
  } catch (const Failure&) {
  }
  if (const auto whole = form::whole_number(text)) {
    fuzz::require(form::whole_number(std::to_string(*whole)) == whole,
                  "a whole number written back reads the same", text);
  }
  return 0;
}
