#include "sim/boiler.h"

#include <algorithm>

#include "sim/vle.h"

namespace kolvar::sim {

Boiler::Boiler(Amount charge, double celsius, double dry_moles, double vessel_j_per_k)
    : liquid_(charge), celsius_(celsius), dry_moles_(dry_moles), vessel_(vessel_j_per_k) {}

double Boiler::heat(double dt, double watts, double loss_w_per_k, double ambient, double hpa) {
  if (dt <= 0) return 0;
  if (dry()) watts = 0;
  const double lost = loss_w_per_k * (celsius_ - ambient) * dt;
  const double net = watts * dt - lost;
  const double capacity = std::max(liquid_.heat_capacity() + vessel_, 1.0);
  const double x = liquid_.fraction();
  const double boiling = vle::boiling_celsius(x, hpa);

  // Heat beyond what brings the liquid to its boiling point raises vapour.
  const double reached = celsius_ + net / capacity;
  double raised = 0;
  double next = reached;
  // A liquid left above its boiling point (the air's pressure fell, or
  // richer liquid drained back) gives up the excess as vapour.
  if (reached > boiling) {
    next = boiling;
    raised = net - capacity * (next - celsius_);
  }

  energy_.heater += watts * dt;
  energy_.lost += lost;
  energy_.sensible += capacity * (next - celsius_);
  energy_.boil_up += raised;
  celsius_ = next;
  return raised / latent_heat(vle::vapour_fraction(x)) / dt;
}

}  // namespace kolvar::sim
