#pragma once
// The keys that scale the window (desk/scale_keys.h) as Qt shortcuts of the
// window.
#include <QWidget>
#include <functional>

namespace kolvar::view {

// Adds the keys to window; each tells `choose` the scale it asks for, given
// the scale now from `current`.
void add_scale_keys(QWidget* window, const std::function<int()>& current,
                    const std::function<void(int)>& choose);

}  // namespace kolvar::view
