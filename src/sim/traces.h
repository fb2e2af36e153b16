#pragma once
// Heads and tails as traces in the liquid: how much more of them the vapour
// carries than the liquid holds (per mole of each), and how they move a
// liquid's boiling point.
//
// The light impurities of a wash (acetaldehyde, ethyl acetate, methanol)
// are several times more volatile than ethanol everywhere, so a closed
// column gathers them at its top and they come off first. The fusel oils
// are more volatile than ethanol in a weak liquid and less in a strong one:
// they gather on the plates where the liquid is weak enough for them to
// rise no further, and those plates climb the column as the pot is spent,
// until they reach the packing sensor and the head.
namespace kolvar::sim::traces {

// Vapour over liquid, mole share over mole share, in a liquid of ethanol
// mole fraction x.
double heads_ratio(double x);
double tails_ratio(double x);

// The boiling point of a liquid whose own (ethanol-water) boiling point is
// `celsius`, holding `heads` and `tails` moles of traces per mole: heads
// boil from 65 °C, fusel oils with water at about 95 °C.
double boiling_with(double celsius, double heads, double tails);

}  // namespace kolvar::sim::traces
