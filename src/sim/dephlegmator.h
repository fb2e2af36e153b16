#pragma once
// The dephlegmator: the share of the rising vapour it condenses. Its water
// takes away at most what warming it from its inlet temperature to that of
// the vapour can (1 kW warms 1 L/min of water by about 14.3 K), so a weak
// flow or warm water lets part of the vapour pass. With water flowing the
// share reaches that limit within seconds; without water the water already
// in it warms and boils off and it condenses less and less over a minute or
// so.
namespace kolvar::sim {

struct DephlegmatorWater {
  double litres_per_minute = 0;
  double inlet_celsius = 15;
};

// The share of `vapour_watts` of latent heat, arriving at `vapour_celsius`,
// that `water` can condense, 0 to 1.
double condensable_share(const DephlegmatorWater& water, double vapour_celsius,
                         double vapour_watts);

class Dephlegmator {
 public:
  // `limit` is condensable_share of the present water and vapour.
  void run(double dt, bool water_flowing, double limit = 1);
  double condensed_share() const { return share_; }

 private:
  double share_ = 1;  // starts full of cold water
};

}  // namespace kolvar::sim
