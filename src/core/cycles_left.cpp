#include "core/cycles_left.h"

#include "platform/failure.h"
#include "ui/text_number.h"

namespace kolvar::core {

namespace {
std::optional<long long> whole_number(const ui::Controller& c, std::string_view name) {
  try {
    return ui::counter_value(c.c(name).text(), name);
  } catch (const Failure&) {
    return std::nullopt;
  }
}
}  // namespace

std::optional<long long> cycles_left(const ui::Controller& c, std::string_view counter,
                                     std::string_view default_name) {
  if (auto left = whole_number(c, counter)) return left;
  return whole_number(c, default_name);
}

}  // namespace kolvar::core
