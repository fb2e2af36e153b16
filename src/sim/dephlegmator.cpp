#include "sim/dephlegmator.h"

#include <cmath>

namespace kolvar::sim {

namespace {

constexpr double kFillSeconds = 2;
constexpr double kDrainSeconds = 60;

}  // namespace

void Dephlegmator::run(double dt, bool water_flowing) {
  if (water_flowing) {
    share_ = 1 - (1 - share_) * std::exp(-dt / kFillSeconds);
  } else {
    share_ *= std::exp(-dt / kDrainSeconds);
  }
}

}  // namespace kolvar::sim
