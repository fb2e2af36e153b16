#include "sim/mixture.h"

namespace kolvar::sim {

namespace {

// Liquid molar heat capacities (J/(mol K)) and latent heats at the normal
// boiling point (J/mol).
constexpr double kEthanolHeat = 112.3;
constexpr double kWaterHeat = 75.3;
constexpr double kEthanolLatent = 38560;
constexpr double kWaterLatent = 40650;

}  // namespace

double Amount::fraction() const {
  const double all = moles();
  return all > 0 ? ethanol / all : 0.0;
}

double Amount::litres() const {
  return (ethanol * kEthanolMl + water * kWaterMl) / 1000;
}

double Amount::abv() const {
  const double all = litres();
  return all > 0 ? ethanol * kEthanolMl / 1000 / all : 0.0;
}

double Amount::heat_capacity() const {
  return ethanol * kEthanolHeat + water * kWaterHeat;
}

Amount& Amount::operator+=(const Amount& other) {
  ethanol += other.ethanol;
  water += other.water;
  return *this;
}

Amount& Amount::operator-=(const Amount& other) {
  ethanol -= other.ethanol;
  water -= other.water;
  return *this;
}

Amount amount_of_volume(double litres, double abv) {
  return {litres * abv * 1000 / kEthanolMl, litres * (1 - abv) * 1000 / kWaterMl};
}

Amount amount_of_moles(double moles, double fraction) {
  return {moles * fraction, moles * (1 - fraction)};
}

double molar_volume_ml(double fraction) {
  return fraction * kEthanolMl + (1 - fraction) * kWaterMl;
}

double latent_heat(double fraction) {
  return fraction * kEthanolLatent + (1 - fraction) * kWaterLatent;
}

}  // namespace kolvar::sim
