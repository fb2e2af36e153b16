#pragma once
// Vapour-liquid equilibrium of ethanol and water: the points measured at one
// standard atmosphere that the chemical engineers' handbooks tabulate, joined
// by straight lines, and boiling points shifted to the air's pressure.
// Compositions are mole fractions of ethanol.
//
// Straight lines between measured points keep the vapour curve monotonic
// and make the azeotrope an exact fixed point (vapour = liquid there), so no
// plate can be enriched past it. The boiling curve has its minimum at the
// azeotrope, so it is flat there: on either side of it the boiling point
// rises with the square of the distance, through the nearest measured point.
// The vapour's composition hardly moves with the small swings of the
// weather's pressure and is kept as measured.
namespace kolvar::sim::vle {

// Liquid and vapour have the same composition here and boil lowest.
inline constexpr double kAzeotrope = 0.8943;
inline constexpr double kAzeotropeCelsius = 78.15;
// The pressure the table was measured at, hPa.
inline constexpr double kStandardHpa = 1013.25;

// Boiling (bubble) temperature of a liquid of ethanol fraction x (clamped to
// 0..1) under `hpa` of air pressure.
double boiling_celsius(double x, double hpa = kStandardHpa);

// Ethanol fraction of the vapour in equilibrium with a liquid of fraction x.
double vapour_fraction(double x);

// The steepest rise of vapour_fraction with x anywhere in the table (the
// dilute end): it bounds how fast a plate's vapour follows its liquid.
double steepest_slope();

}  // namespace kolvar::sim::vle
