#pragma once
// The column's temperatures where its sensors sit. Rising vapour brings the
// dephlegmator and packing sensors to the boiling point of their plates
// within half a minute or so; without vapour they cool slowly towards the
// room. The cooler outlet follows its coil: with water flowing it settles a
// little above the water, without water it climbs towards the vapour
// temperature at the head while vapour rises, and cools towards the room
// when none does. (The tank's sensor is the pot's own temperature.)
namespace kolvar::sim {

struct ProbeInputs {
  bool vapour_rising = false;
  double head_celsius = 0;     // boiling point of the top plate
  double packing_celsius = 0;  // boiling point of the packing sensor's plate
  double room_celsius = 0;
  bool coil_water = false;  // water flows through the product cooler
  double water_celsius = 0;
};

class Probes {
 public:
  explicit Probes(double room_celsius);

  void follow(double dt, const ProbeInputs& in);

  double dephlegmator() const { return dephlegmator_; }
  double packing() const { return packing_; }
  double cooler() const { return cooler_; }

 private:
  double dephlegmator_;
  double packing_;
  double cooler_;
};

}  // namespace kolvar::sim
