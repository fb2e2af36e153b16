#include "desk/twips.h"

#include <cmath>

namespace kolvar::desk {

int pixels(int twips, double dots_per_inch) {
  return static_cast<int>(std::lround(twips * dots_per_inch / kTwipsPerInch));
}

}  // namespace kolvar::desk
