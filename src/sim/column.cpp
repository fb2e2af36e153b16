#include "sim/column.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "sim/vle.h"

namespace kolvar::sim {

namespace {

// A plate may change by at most half of what would carry it past its
// neighbours in one sub-step.
constexpr double kStability = 0.5;
constexpr int kMostSubsteps = 10000;

}  // namespace

Column::Column(int plates, Amount holdup)
    : x_(static_cast<std::size_t>(plates), holdup.fraction()),
      y_(static_cast<std::size_t>(plates) + 1),
      plate_moles_(holdup.moles() / plates) {}

double Column::head_fraction() const {
  return vle::vapour_fraction(x_.back());
}

Amount Column::holdup() const {
  Amount all;
  for (double x : x_) all += amount_of_moles(plate_moles_, x);
  return all;
}

Amount Column::run(double dt, double vapour, const Top& top, Amount& pot) {
  reflux_ = 0;
  takeoff_ = 0;
  if (dt <= 0 || vapour <= 0) return {};

  const double fastest = vapour * (vle::steepest_slope() + 1);
  const double smallest = std::min(plate_moles_, pot.moles());
  const int steps = std::clamp(static_cast<int>(std::ceil(dt * fastest / (kStability * smallest))),
                               1, kMostSubsteps);
  const double h = dt / steps;
  const std::size_t n = x_.size();

  Amount out;
  for (int step = 0; step < steps; ++step) {
    y_[0] = vle::vapour_fraction(pot.fraction());
    for (std::size_t k = 0; k < n; ++k) y_[k + 1] = vle::vapour_fraction(x_[k]);
    const double head = y_[n];

    const double condensed = std::clamp(top.condensed_share, 0.0, 1.0) * vapour;
    const double draw = std::min(condensed, std::max(top.draw_ml_s, 0.0) / molar_volume_ml(head));
    const double reflux = condensed - draw;
    const double takeoff = vapour - reflux;

    const double bottom_liquid = x_[0];
    pot.ethanol += (reflux * bottom_liquid - vapour * y_[0]) * h;
    pot.water += (reflux * (1 - bottom_liquid) - vapour * (1 - y_[0])) * h;
    // Upwards, so each plate still sees the old liquid of the plate above.
    for (std::size_t k = 0; k < n; ++k) {
      const double above = k + 1 < n ? x_[k + 1] : head;
      x_[k] += h / plate_moles_ * (vapour * (y_[k] - y_[k + 1]) + reflux * (above - x_[k]));
    }
    out += amount_of_moles(takeoff * h, head);
    reflux_ += reflux * h;
    takeoff_ += takeoff * h;
  }
  reflux_ /= dt;
  takeoff_ /= dt;
  return out;
}

}  // namespace kolvar::sim
