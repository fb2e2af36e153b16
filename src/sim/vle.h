#pragma once
// Vapour-liquid equilibrium of ethanol and water at one standard atmosphere:
// the measured points that the chemical engineers' handbooks tabulate,
// joined by straight lines. Compositions are mole fractions of ethanol.
//
// Straight lines between measured points keep the curve monotonic and make
// the azeotrope an exact fixed point (vapour = liquid there), so no plate
// can be enriched past it.
namespace kolvar::sim::vle {

// Liquid and vapour have the same composition here and boil lowest.
inline constexpr double kAzeotrope = 0.8943;
inline constexpr double kAzeotropeCelsius = 78.15;

// Boiling (bubble) temperature of a liquid of ethanol fraction x (clamped to 0..1).
double boiling_celsius(double x);

// Ethanol fraction of the vapour in equilibrium with a liquid of fraction x.
double vapour_fraction(double x);

// The steepest rise of vapour_fraction with x anywhere in the table (the
// dilute end): it bounds how fast a plate's vapour follows its liquid.
double steepest_slope();

}  // namespace kolvar::sim::vle
