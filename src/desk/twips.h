#pragma once
// The model places its controls in twips, 1440 to the inch; the screen counts
// pixels at its logical resolution.

namespace kolvar::desk {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips at dots_per_inch, rounded to the nearest.
int pixels(int twips, double dots_per_inch);

}  // namespace kolvar::desk
