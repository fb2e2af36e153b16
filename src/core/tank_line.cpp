#include "core/tank_line.h"

namespace kolvar::core {

double tank_line_percent(double t1, double t2, double tk, double k) {
  if (tk <= t1) return k;
  const double percent = (100 - (tk - t1) / (t2 - t1) * 100) * k / 100;
  return percent > 0 ? percent : 0;
}

}  // namespace kolvar::core
