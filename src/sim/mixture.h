#pragma once
// An amount of ethanol-water liquid, counted in moles of each, and the
// properties of such mixtures that the plant needs. Volumes add without the
// small contraction of real mixing, so a strength by volume converts to moles
// and back exactly.
namespace kolvar::sim {

// Molar volumes of the pure liquids (mL/mol) at room temperature.
inline constexpr double kEthanolMl = 46.07 / 0.7893;
inline constexpr double kWaterMl = 18.015 / 0.9982;

struct Amount {
  double ethanol = 0;  // mol
  double water = 0;    // mol

  double moles() const { return ethanol + water; }
  // Mole fraction of ethanol; 0 for nothing.
  double fraction() const;
  double litres() const;
  // Ethanol's share of the volume, 0 to 1; 0 for nothing.
  double abv() const;
  // Heat to warm the liquid by one kelvin, J/K.
  double heat_capacity() const;

  Amount& operator+=(const Amount& other);
  Amount& operator-=(const Amount& other);
};

// `litres` of liquid holding `abv` (0 to 1) ethanol by volume.
Amount amount_of_volume(double litres, double abv);

// `moles` in all, of ethanol mole fraction `fraction`.
Amount amount_of_moles(double moles, double fraction);

// Volume of one mole of liquid of ethanol fraction `fraction`, mL.
double molar_volume_ml(double fraction);

// Heat to condense one mole of vapour of ethanol fraction `fraction`, J.
double latent_heat(double fraction);

}  // namespace kolvar::sim
