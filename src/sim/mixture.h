#pragma once
// An amount of ethanol-water liquid, counted in moles of each, and the
// properties of such mixtures that the plant needs. Volumes and strengths
// are those at 20 °C, from the measured densities of the mixtures, so they
// include the contraction of mixing: what an alcoholmeter reads, not what
// adding the two volumes would give.
namespace kolvar::sim {

// Molar masses, g/mol.
inline constexpr double kEthanolGrams = 46.07;
inline constexpr double kWaterGrams = 18.015;

// Heads and tails are carried as traces beside the ethanol and water: they
// follow their own volatilities, but take no part in volumes, strengths or
// heat capacities.
struct Amount {
  double ethanol = 0;  // mol
  double water = 0;    // mol
  double heads = 0;    // mol of the light impurities (esters, aldehydes, methanol)
  double tails = 0;    // mol of the heavy ones (fusel oils)

  double moles() const { return ethanol + water; }
  // Mole fraction of ethanol; 0 for nothing.
  double fraction() const;
  double kilograms() const;
  double litres() const;
  // Ethanol's share of the volume at 20 °C, 0 to 1; 0 for nothing.
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

// Ethanol's share of the mass of a liquid of mole fraction `fraction`.
double mass_fraction(double fraction);

// Density at 20 °C, kg/L, of a liquid with ethanol mass share `mass_share`.
double density(double mass_share);

// Ethanol's share by volume at 20 °C of a liquid of mole fraction `fraction`.
double abv_of_fraction(double fraction);

// Volume of one mole of liquid of ethanol fraction `fraction`, mL.
double molar_volume_ml(double fraction);

// Specific heat of the liquid, J/(g K), of ethanol fraction `fraction`.
double specific_heat(double fraction);

// Heat to condense one mole of vapour of ethanol fraction `fraction`, J.
double latent_heat(double fraction);

}  // namespace kolvar::sim
