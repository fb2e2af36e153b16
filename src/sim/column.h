#pragma once
// The packing as a stack of plates over the pot, each holding an equal share
// of the hold-up as liquid. Molar flows are the same on every plate (the two
// latent heats differ by 5 %): vapour V rises from the pot, reflux L runs
// down from the dephlegmator, and what the top sends on, V - L, is the
// take-off.
//
// Each plate's composition follows its own balance,
//   hold-up * dx/dt = V (y_below - y) + L (x_above - x),
// integrated in sub-steps short enough for the fastest plate (the dilute one,
// where the vapour moves most with the liquid), so no plate overshoots its
// neighbours: compositions stay between those of the pot and the azeotrope,
// and every mole that leaves one place arrives in another. A plate brings its
// vapour only part of the way to equilibrium with its liquid (its
// efficiency): the rest of the way is what a packing loses when it is run
// too lightly (the liquid channels) or too hard (it floods).
//
// Without vapour the hold-up drains into the pot within minutes, leaving a
// film on the packing; returning vapour condenses on the drained packing
// until it is wet again, so the plates start over from the pot's vapour.
//
// Heads and tails (see traces.h) ride along: each plate's share of them
// follows the same balance with their own vapour-over-liquid ratios.
#include <vector>

#include "sim/mixture.h"

namespace kolvar::sim {

class Column {
 public:
  // What happens to the vapour that reaches the top.
  struct Top {
    double condensed_share = 1;  // 0 to 1: condensed by the dephlegmator, the rest passes on
    double draw_ml_s = 0;        // liquid drawn off the condensate (at most all of it)
    double walls_mol_s = 0;      // condensed on the column's walls by its heat losses
    double efficiency = 1;       // 0 to 1, of every plate
  };

  // `plates` (at least 1) share `holdup` (more than nothing) equally; each
  // starts with the hold-up's composition.
  Column(int plates, Amount holdup);

  // Runs `dt` seconds with `vapour` mol/s rising from `pot`, whose liquid
  // gives the vapour and takes the reflux. Returns what left the top.
  Amount run(double dt, double vapour, const Top& top, Amount& pot);
  // Runs `dt` seconds without vapour: the hold-up drains into `pot`.
  void drain(double dt, Amount& pot);

  int plates() const { return static_cast<int>(x_.size()); }
  // Liquid composition of plate 1 (bottom) to plates() (top).
  double plate_fraction(int plate) const { return x_[plate - 1]; }
  // Moles of heads and tails per mole of a plate's liquid.
  double plate_heads(int plate) const { return heads_[plate - 1]; }
  double plate_tails(int plate) const { return tails_[plate - 1]; }
  // Per mole of the vapour leaving the top plate.
  double head_heads() const { return head_heads_; }
  double head_tails() const { return head_tails_; }
  // Composition of the vapour leaving the top plate, and so of the take-off.
  double head_fraction() const { return head_; }
  Amount holdup() const;
  // Share of the full hold-up on the packing, 0 to 1.
  double wetted() const { return plate_moles_ / full_plate_moles_; }
  // Mean flows over the last run, mol/s.
  double reflux() const { return reflux_; }
  double takeoff() const { return takeoff_; }
  // Vapour condensed inside the column over the last run, mol: on its walls
  // and in wetting the packing.
  double condensed_inside() const { return inside_; }

 private:
  void wet(double moles, double fraction, double heads, double tails);
  // The traces' vapour shares up the column, as y_ for ethanol.
  void trace_vapours(const Amount& pot, double efficiency);

  std::vector<double> x_;                // plate liquids, bottom first
  std::vector<double> y_;                // y_[0] the pot's vapour, y_[k] that of plate k
  std::vector<double> heads_, tails_;    // per mole of plate liquid
  std::vector<double> vheads_, vtails_;  // per mole of vapour, as y_
  double head_heads_ = 0;
  double head_tails_ = 0;
  double full_plate_moles_;
  double plate_moles_;
  double head_;
  double reflux_ = 0;
  double takeoff_ = 0;
  double inside_ = 0;
};

// A plate's efficiency at `load`, the vapour as a share of what floods the
// packing: full in the packing's working range, lower when the liquid
// channels at a light load and when the packing floods.
double plate_efficiency(double load);

}  // namespace kolvar::sim
