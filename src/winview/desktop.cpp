#include "winview/desktop.h"

#include "winview/win32.h"

namespace kolvar::winview {

Desktop::Desktop(Wiring wiring)
    : desk::Desktop(std::move(wiring), {Win32Services::message_box, sound, launcher, locale,
                                        [] { PostQuitMessage(0); },
                                        [this] { Win32Services::message_box.owner_shown(); }}) {
  window_ = std::make_unique<MainWindow>(
      controller(), [this](const std::function<void()>& input) { act(input); }, [this] { end(); });
  Win32Services::message_box.set_owner(window_->hwnd());
  attach(*window_);
  on_cycle_switched([this](bool running) { resolution.set_fine(running); });
}

std::vector<Watch> Desktop::watches() {
  return {{loop().handle(), [this] { loop().wake(); }}};
}

}  // namespace kolvar::winview
