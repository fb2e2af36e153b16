#include "sim/boiler.h"

#include <algorithm>

#include "sim/vle.h"

namespace kolvar::sim {

Boiler::Boiler(Amount charge, double celsius, double dry_moles)
    : liquid_(charge), celsius_(celsius), dry_moles_(dry_moles) {}

double Boiler::heat(double dt, double watts, double loss_w_per_k, double ambient) {
  if (dt <= 0) return 0;
  if (dry()) watts = 0;
  const double lost = loss_w_per_k * (celsius_ - ambient) * dt;
  const double net = watts * dt - lost;
  const double capacity = std::max(liquid_.heat_capacity(), 1.0);
  const double x = liquid_.fraction();
  const double boiling = vle::boiling_celsius(x);

  // Heat beyond what brings the liquid to its boiling point raises vapour.
  const double reached = celsius_ + net / capacity;
  double raised = 0;
  double next = reached;
  if (reached > boiling && reached > celsius_) {
    next = std::max(boiling, celsius_);
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
