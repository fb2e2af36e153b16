#pragma once
// The keys that scale a window, as browsers have them: Ctrl++ (and Ctrl+=,
// the same key without Shift) one step larger, Ctrl+- one step smaller,
// Ctrl+0 back to 100 %. Each toolkit turns its key into the character on it,
// so both windows answer the same keys.
#include <optional>
#include <span>

namespace kolvar::desk {

// The characters that, held with Ctrl, scale the window.
std::span<const char> scale_keys();

// The scale Ctrl with `key` asks for, the scale now being `current`; nothing
// for a key that does not scale.
std::optional<int> scale_for_key(char key, int current);

}  // namespace kolvar::desk
