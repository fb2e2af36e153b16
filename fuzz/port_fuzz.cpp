// The GPIO port's two outside inputs, a --port value and a port file: any
// text is either refused with a reason or read as a map that says what it
// should, and that writes itself back as the same map.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/ports/gpio_map.h"

using namespace kolvar;

namespace {

void check(const platform::GpioMap& map, std::string_view text) {
  const std::string detail(text);
  const auto offsets = map.offsets();
  fuzz::require(!offsets.empty(), "a map drives at least one line", detail);
  auto sorted = offsets;
  std::sort(sorted.begin(), sorted.end());
  fuzz::require(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end(),
                "no line serves two pins", detail);
  fuzz::require(!map.chip.empty(), "a map names its chip", detail);
  for (int byte = 0; byte < 256; byte += 85)
    fuzz::require(map.levels(static_cast<std::uint8_t>(byte)).size() == offsets.size(),
                  "one level per line", detail);
  fuzz::require(map.levels(0) == std::vector<int>(offsets.size(), map.active_low ? 1 : 0),
                "the stop image leaves every relay off", detail);
  try {
    fuzz::require(platform::parse_gpio_port(map.port_text()) == map, "the port text reads back",
                  map.port_text());
  } catch (const std::invalid_argument& refused) {
    fuzz::violated("a map's own port text is accepted", map.port_text() + ": " + refused.what());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    check(platform::parse_gpio_port(text), text);
  } catch (const std::invalid_argument&) {
  }
  try {
    check(platform::parse_port_file(text), text);
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
