#include "sim/column.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "sim/traces.h"
#include "sim/vle.h"

namespace kolvar::sim {

namespace {

// A plate may change by at most half of what would carry it past its
// neighbours in one sub-step.
constexpr double kStability = 0.5;
constexpr int kMostSubsteps = 10000;
// A packing drains into the pot within a few minutes and keeps a film.
constexpr double kDrainSeconds = 120;
constexpr double kFilm = 0.05;

}  // namespace

Column::Column(int plates, Amount holdup)
    : x_(static_cast<std::size_t>(plates), holdup.fraction()),
      y_(static_cast<std::size_t>(plates) + 1),
      heads_(static_cast<std::size_t>(plates),
             holdup.moles() > 0 ? holdup.heads / holdup.moles() : 0),
      tails_(static_cast<std::size_t>(plates),
             holdup.moles() > 0 ? holdup.tails / holdup.moles() : 0),
      vheads_(static_cast<std::size_t>(plates) + 1),
      vtails_(static_cast<std::size_t>(plates) + 1),
      full_plate_moles_(holdup.moles() / plates),
      plate_moles_(full_plate_moles_),
      head_(vle::vapour_fraction(holdup.fraction())) {}

Amount Column::holdup() const {
  Amount all;
  for (std::size_t k = 0; k < x_.size(); ++k) {
    all += amount_of_moles(plate_moles_, x_[k]);
    all.heads += plate_moles_ * heads_[k];
    all.tails += plate_moles_ * tails_[k];
  }
  return all;
}

double plate_efficiency(double load) {
  constexpr double kLightest = 0.2;  // full wetting from here
  constexpr double kFlooding = 0.8;  // liquid starts to hang on the packing
  if (load < kLightest) return std::max(0.5, 0.5 + 0.5 * load / kLightest);
  if (load <= kFlooding) return 1;
  return std::max(0.2, 1 - 3 * (load - kFlooding));
}

void Column::drain(double dt, Amount& pot) {
  reflux_ = 0;
  takeoff_ = 0;
  inside_ = 0;
  const double floor = kFilm * full_plate_moles_;
  if (dt <= 0 || plate_moles_ <= floor) return;
  const double left = floor + (plate_moles_ - floor) * std::exp(-dt / kDrainSeconds);
  const double gone = plate_moles_ - left;
  for (std::size_t k = 0; k < x_.size(); ++k) {
    pot += amount_of_moles(gone, x_[k]);
    pot.heads += gone * heads_[k];
    pot.tails += gone * tails_[k];
  }
  plate_moles_ = left;
}

void Column::wet(double moles, double fraction, double heads, double tails) {
  const double each = moles / static_cast<double>(x_.size());
  const double after = plate_moles_ + each;
  for (std::size_t k = 0; k < x_.size(); ++k) {
    x_[k] = (x_[k] * plate_moles_ + fraction * each) / after;
    heads_[k] = (heads_[k] * plate_moles_ + heads * each) / after;
    tails_[k] = (tails_[k] * plate_moles_ + tails * each) / after;
  }
  plate_moles_ = after;
}

void Column::trace_vapours(const Amount& pot, double efficiency) {
  const double moles = pot.moles();
  const double x = pot.fraction();
  vheads_[0] = moles > 0 ? std::min(1.0, traces::heads_ratio(x) * pot.heads / moles) : 0;
  vtails_[0] = moles > 0 ? std::min(1.0, traces::tails_ratio(x) * pot.tails / moles) : 0;
  for (std::size_t k = 0; k < x_.size(); ++k) {
    const double h = std::min(1.0, traces::heads_ratio(x_[k]) * heads_[k]);
    const double t = std::min(1.0, traces::tails_ratio(x_[k]) * tails_[k]);
    vheads_[k + 1] = vheads_[k] + efficiency * (h - vheads_[k]);
    vtails_[k + 1] = vtails_[k] + efficiency * (t - vtails_[k]);
  }
}

Amount Column::run(double dt, double vapour, const Top& top, Amount& pot) {
  reflux_ = 0;
  takeoff_ = 0;
  inside_ = 0;
  if (dt <= 0 || vapour <= 0) return {};

  const double efficiency = std::clamp(top.efficiency, 0.05, 1.0);
  const double fastest = vapour * (vle::steepest_slope() + 1);
  const double smallest = std::min(plate_moles_, pot.moles());
  const int steps = std::clamp(static_cast<int>(std::ceil(dt * fastest / (kStability * smallest))),
                               1, kMostSubsteps);
  const double h = dt / steps;
  const std::size_t n = x_.size();

  Amount out;
  for (int step = 0; step < steps; ++step) {
    y_[0] = vle::vapour_fraction(pot.fraction());
    // A drained packing takes the vapour it needs to wet again first.
    const double missing = (full_plate_moles_ - plate_moles_) * static_cast<double>(n);
    const double wetting = std::min(missing, vapour * h);
    trace_vapours(pot, efficiency);
    if (wetting > 0) {
      Amount taken = amount_of_moles(wetting, y_[0]);
      taken.heads = wetting * vheads_[0];
      taken.tails = wetting * vtails_[0];
      pot -= taken;
      wet(wetting, y_[0], vheads_[0], vtails_[0]);
      inside_ += wetting;
    }
    const double rising = vapour - wetting / h;
    if (rising <= 0) continue;

    for (std::size_t k = 0; k < n; ++k)
      y_[k + 1] = y_[k] + efficiency * (vle::vapour_fraction(x_[k]) - y_[k]);
    const double head = y_[n];

    const double walls = std::clamp(top.walls_mol_s, 0.0, rising);
    const double share = std::clamp(top.condensed_share, 0.0, 1.0);
    const double condensed = share * (rising - walls);
    const double draw = std::min(condensed, std::max(top.draw_ml_s, 0.0) / molar_volume_ml(head));
    const double takeoff = (1 - share) * (rising - walls) + draw;
    const double reflux = rising - takeoff;

    const double bottom_liquid = x_[0];
    pot.ethanol += (reflux * bottom_liquid - rising * y_[0]) * h;
    pot.water += (reflux * (1 - bottom_liquid) - rising * (1 - y_[0])) * h;
    if (wetting > 0) trace_vapours(pot, efficiency);
    pot.heads += (reflux * heads_[0] - rising * vheads_[0]) * h;
    pot.tails += (reflux * tails_[0] - rising * vtails_[0]) * h;
    // Upwards, so each plate still sees the old liquid of the plate above.
    const double rate = h / plate_moles_;
    for (std::size_t k = 0; k < n; ++k) {
      const bool top_plate = k + 1 == n;
      const double above = top_plate ? head : x_[k + 1];
      x_[k] += rate * (rising * (y_[k] - y_[k + 1]) + reflux * (above - x_[k]));
      const double heads_above = top_plate ? vheads_[n] : heads_[k + 1];
      const double tails_above = top_plate ? vtails_[n] : tails_[k + 1];
      heads_[k] +=
          rate * (rising * (vheads_[k] - vheads_[k + 1]) + reflux * (heads_above - heads_[k]));
      tails_[k] +=
          rate * (rising * (vtails_[k] - vtails_[k + 1]) + reflux * (tails_above - tails_[k]));
    }
    Amount leaving = amount_of_moles(takeoff * h, head);
    leaving.heads = takeoff * h * vheads_[n];
    leaving.tails = takeoff * h * vtails_[n];
    out += leaving;
    head_heads_ = vheads_[n];
    head_tails_ = vtails_[n];
    inside_ += walls * h;
    reflux_ += reflux * h;
    takeoff_ += takeoff * h;
    head_ = head;
  }
  reflux_ /= dt;
  takeoff_ /= dt;
  return out;
}

}  // namespace kolvar::sim
