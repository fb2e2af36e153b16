#include "desk/scroll_map.h"

namespace kolvar::desk {

namespace {
bool larger_at_top(const form::Control& bar) {
  return bar.min() > bar.max();
}
}  // namespace

int bar_position(const form::Control& bar, int model_value) {
  return larger_at_top(bar) ? -model_value : model_value;
}

int model_value(const form::Control& bar, int position) {
  return larger_at_top(bar) ? -position : position;
}

int bar_minimum(const form::Control& bar) {
  return bar_position(bar, bar.min());
}

int bar_maximum(const form::Control& bar) {
  return bar_position(bar, bar.max());
}

}  // namespace kolvar::desk
