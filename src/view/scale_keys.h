#pragma once
// The keys that scale the window, as browsers have them: Ctrl++ (and Ctrl+=,
// the same key without Shift) one step larger, Ctrl+- one step smaller,
// Ctrl+0 back to 100 %.
#include <QWidget>
#include <functional>

namespace kolvar::view {

// Adds the keys to window; each tells `choose` the scale it asks for, given
// the scale now from `current`.
void add_scale_keys(QWidget* window, const std::function<int()>& current,
                    const std::function<void(int)>& choose);

}  // namespace kolvar::view
