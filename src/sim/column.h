#pragma once
// The packing as a stack of theoretical plates over the pot, each holding an
// equal share of the hold-up as liquid in equilibrium with the vapour that
// leaves it. Molar flows are the same on every plate (the two latent heats
// differ by 5 %): vapour V rises from the pot, reflux L runs down from the
// dephlegmator, and what the top sends on, V - L, is the take-off.
//
// Each plate's composition follows its own balance,
//   hold-up * dx/dt = V (y_below - y) + L (x_above - x),
// integrated in sub-steps short enough for the fastest plate (the dilute one,
// where the vapour moves most with the liquid), so no plate overshoots its
// neighbours: compositions stay between those of the pot and the azeotrope,
// and every mole that leaves one place arrives in another.
#include <vector>

#include "sim/mixture.h"

namespace kolvar::sim {

class Column {
 public:
  // What happens to the vapour that reaches the top.
  struct Top {
    double condensed_share = 1;  // 0 to 1: condensed by the dephlegmator, the rest passes on
    double draw_ml_s = 0;        // liquid drawn off the condensate (at most all of it)
  };

  // `plates` (at least 1) share `holdup` (more than nothing) equally; each
  // starts with the hold-up's composition.
  Column(int plates, Amount holdup);

  // Runs `dt` seconds with `vapour` mol/s rising from `pot`, whose liquid
  // gives the vapour and takes the reflux. Returns what left the top.
  Amount run(double dt, double vapour, const Top& top, Amount& pot);

  int plates() const { return static_cast<int>(x_.size()); }
  // Liquid composition of plate 1 (bottom) to plates() (top).
  double plate_fraction(int plate) const { return x_[plate - 1]; }
  // Composition of the vapour leaving the top plate, and so of the take-off.
  double head_fraction() const;
  Amount holdup() const;
  // Mean flows over the last run, mol/s.
  double reflux() const { return reflux_; }
  double takeoff() const { return takeoff_; }

 private:
  std::vector<double> x_;  // plate liquids, bottom first
  std::vector<double> y_;  // y_[0] the pot's vapour, y_[k] that of plate k
  double plate_moles_;
  double reflux_ = 0;
  double takeoff_ = 0;
};

}  // namespace kolvar::sim
