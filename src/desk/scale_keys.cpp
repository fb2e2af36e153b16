#include "desk/scale_keys.h"

#include <array>

#include "desk/scale_steps.h"

namespace kolvar::desk {

namespace {

struct ScaleKey {
  char key;
  int (*step)(int current);
};

constexpr std::array<ScaleKey, 4> kKeys{{
    {'+', larger_scale},
    {'=', larger_scale},
    {'-', smaller_scale},
    {'0', [](int) { return kNormalScale; }},
}};

constexpr std::array<char, kKeys.size()> kChars = [] {
  std::array<char, kKeys.size()> chars{};
  for (std::size_t i = 0; i < kKeys.size(); ++i) chars[i] = kKeys[i].key;
  return chars;
}();

}  // namespace

std::span<const char> scale_keys() {
  return kChars;
}

std::optional<int> scale_for_key(char key, int current) {
  for (const ScaleKey& k : kKeys)
    if (k.key == key) return k.step(current);
  return std::nullopt;
}

}  // namespace kolvar::desk
