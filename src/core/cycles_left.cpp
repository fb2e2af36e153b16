#include "core/cycles_left.h"

#include "form/text_number.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {
std::optional<long long> counter_in(const form::Controller& c, form::Name name) {
  try {
    return form::counter_value(c.c(name).text(), name.text());
  } catch (const Failure&) {
    return std::nullopt;
  }
}
}  // namespace

std::optional<long long> cycles_left(const form::Controller& c, form::Name counter,
                                     form::Name default_name) {
  if (auto left = counter_in(c, counter)) return left;
  return counter_in(c, default_name);
}

}  // namespace kolvar::core
