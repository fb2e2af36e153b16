#include "sim/mixture.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kolvar::sim {

namespace {

// Latent heats at the normal boiling point, J/mol.
constexpr double kEthanolLatent = 38560;
constexpr double kWaterLatent = 40650;
constexpr double kCalorie = 4.184;

// Densities of ethanol-water mixtures at 20 °C, kg/L, at every 5 % of
// ethanol by mass (Perry's Chemical Engineers' Handbook, densities of
// ethanol-water mixtures; the international alcoholometric tables agree to
// the fourth place).
constexpr std::array<double, 21> kDensity{0.99823, 0.98938, 0.98187, 0.97514, 0.96864, 0.96168,
                                          0.95382, 0.94494, 0.93518, 0.92472, 0.91384, 0.90258,
                                          0.89113, 0.87948, 0.86766, 0.85564, 0.84344, 0.83095,
                                          0.81797, 0.80424, 0.78934};

struct HeatPoint {
  double fraction;  // mole fraction of ethanol
  double cal_per_g_k;
};

// Measured specific heats of ethanol-water mixtures at 41 °C, the middle of
// a charge's warming (Perry's Chemical Engineers' Handbook, specific heats
// of aqueous solutions, from the International Critical Tables); water at 1.00.
constexpr std::array<HeatPoint, 6> kHeat{{
    {0.0, 1.00},
    {0.0416, 1.02},
    {0.115, 1.03},
    {0.370, 0.875},
    {0.610, 0.748},
    {1.0, 0.621},
}};

}  // namespace

double Amount::fraction() const {
  const double all = moles();
  return all > 0 ? ethanol / all : 0.0;
}

double Amount::kilograms() const {
  return (ethanol * kEthanolGrams + water * kWaterGrams) / 1000;
}

double Amount::litres() const {
  return moles() > 0 ? kilograms() / density(mass_fraction(fraction())) : 0.0;
}

double Amount::abv() const {
  return moles() > 0 ? abv_of_fraction(fraction()) : 0.0;
}

double Amount::heat_capacity() const {
  return kilograms() * 1000 * specific_heat(fraction());
}

Amount& Amount::operator+=(const Amount& other) {
  ethanol += other.ethanol;
  water += other.water;
  heads += other.heads;
  tails += other.tails;
  return *this;
}

Amount& Amount::operator-=(const Amount& other) {
  ethanol -= other.ethanol;
  water -= other.water;
  heads -= other.heads;
  tails -= other.tails;
  return *this;
}

double mass_fraction(double fraction) {
  const double e = fraction * kEthanolGrams;
  const double all = e + (1 - fraction) * kWaterGrams;
  return all > 0 ? e / all : 0.0;
}

double density(double mass_share) {
  const double at = std::clamp(mass_share, 0.0, 1.0) * 20;
  const auto i = std::min<std::size_t>(static_cast<std::size_t>(at), kDensity.size() - 2);
  const double t = at - static_cast<double>(i);
  return kDensity[i] + (kDensity[i + 1] - kDensity[i]) * t;
}

double abv_of_fraction(double fraction) {
  const double w = mass_fraction(fraction);
  return w * density(w) / kDensity.back();
}

Amount amount_of_volume(double litres, double abv) {
  abv = std::clamp(abv, 0.0, 1.0);
  // The strength rises with the mole fraction: halve the interval until it
  // is narrower than anything a hydrometer could tell apart.
  double low = 0, high = 1;
  for (int i = 0; i < 50; ++i) {
    const double mid = (low + high) / 2;
    (abv_of_fraction(mid) < abv ? low : high) = mid;
  }
  const double x = (low + high) / 2;
  return amount_of_moles(litres * 1000 / molar_volume_ml(x), x);
}

Amount amount_of_moles(double moles, double fraction) {
  return {moles * fraction, moles * (1 - fraction)};
}

double molar_volume_ml(double fraction) {
  const double grams = fraction * kEthanolGrams + (1 - fraction) * kWaterGrams;
  return grams / density(mass_fraction(fraction));
}

double specific_heat(double fraction) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  auto upper =
      std::upper_bound(kHeat.begin() + 1, kHeat.end() - 1, fraction,
                       [](double value, const HeatPoint& p) { return value < p.fraction; });
  const HeatPoint& b = *upper;
  const HeatPoint& a = *(upper - 1);
  const double cal = a.cal_per_g_k + (b.cal_per_g_k - a.cal_per_g_k) * (fraction - a.fraction) /
                                         (b.fraction - a.fraction);
  return cal * kCalorie;
}

double latent_heat(double fraction) {
  return fraction * kEthanolLatent + (1 - fraction) * kWaterLatent;
}

}  // namespace kolvar::sim
