#include "desk/desktop_wiring.h"

#include <utility>

namespace kolvar::desk {

form::RealTimeClock::Source monotonic_source(DesktopWiring& wiring,
                                             const form::SteadyMillis& steady) {
  if (wiring.monotonic) return std::move(wiring.monotonic);
  if (wiring.scaled) return [scaled = wiring.scaled] { return (*scaled)(); };
  return steady;
}

}  // namespace kolvar::desk
