#include "view/scroll_map.h"

namespace kolvar::view {

namespace {
bool larger_at_top(const form::Control& bar) {
  return bar.min() > bar.max();
}
}  // namespace

int qt_value(const form::Control& bar, int model_value) {
  return larger_at_top(bar) ? -model_value : model_value;
}

int model_value(const form::Control& bar, int qt_value) {
  return larger_at_top(bar) ? -qt_value : qt_value;
}

int qt_minimum(const form::Control& bar) {
  return qt_value(bar, bar.min());
}

int qt_maximum(const form::Control& bar) {
  return qt_value(bar, bar.max());
}

}  // namespace kolvar::view
