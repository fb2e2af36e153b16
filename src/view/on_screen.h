#pragma once
// Waiting for a top-level window to be on screen. Its Show comes before the
// window system has it there; its first expose comes after a window manager
// has framed and placed it, so what goes beside it or above it waits for that.
#include <QObject>
#include <QWidget>
#include <functional>

namespace kolvar::view {

// Runs `then` once, at the first expose of `top`'s window from now on (at
// once when it is exposed already). Nothing runs if `context` is destroyed
// first.
void when_on_screen(QWidget& top, QObject& context, std::function<void()> then);

}  // namespace kolvar::view
