#pragma once
// The pot ("tank"): the charge, the pot's own metal, their temperature, the
// heater and the heat lost to the room. Liquid and metal warm as one lump until it reaches the
// boiling point of its present composition; from then on all the heat left after the losses and
// after following a rising boiling point turns liquid into vapour.
#include "sim/mixture.h"

namespace kolvar::sim {

// Where the heater's energy went since the start, joules. heater = lost +
// sensible + boil_up at every moment.
struct Energy {
  double heater = 0;    // delivered by the element
  double lost = 0;      // through the pot's walls to the room
  double sensible = 0;  // warming (or, negative, cooling) of the liquid and the pot
  double boil_up = 0;   // latent heat of the vapour raised
};

class Boiler {
 public:
  // `dry_moles`: below this the element is no longer covered and its own
  // thermal cut-out keeps it off. `vessel_j_per_k`: the pot's own heat
  // capacity (a 10 kg steel pot holds about 5 kJ/K).
  Boiler(Amount charge, double celsius, double dry_moles, double vessel_j_per_k = 0);

  // Runs `dt` seconds with the element giving `watts` (taken as 0 when dry)
  // and the walls losing `loss_w_per_k` per kelvin above `ambient`, the
  // liquid boiling at its boiling point under `hpa`. Returns the vapour
  // raised, mol/s, of composition vle::vapour_fraction of the liquid's
  // fraction.
  double heat(double dt, double watts, double loss_w_per_k, double ambient, double hpa = 1013.25);

  // The liquid in the pot; the column takes vapour from it and returns reflux.
  Amount& liquid() { return liquid_; }
  const Amount& liquid() const { return liquid_; }
  double celsius() const { return celsius_; }
  bool dry() const { return liquid_.moles() < dry_moles_; }
  const Energy& energy() const { return energy_; }

 private:
  Amount liquid_;
  double celsius_;
  double dry_moles_;
  double vessel_;
  Energy energy_;
};

}  // namespace kolvar::sim
