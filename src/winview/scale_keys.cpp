#include "winview/scale_keys.h"

#include <cstdint>

#include "desk/scale_keys.h"

namespace kolvar::winview {

namespace {

// The window whose keys the hook of this thread serves.
thread_local ScaleKeys* keyed = nullptr;

// The character on a key, whatever the keyboard's layout; the keypad's
// keys by their own.
char character_of(WPARAM key) {
  switch (key) {
    case VK_ADD:
      return '+';
    case VK_SUBTRACT:
      return '-';
    case VK_NUMPAD0:
      return '0';
    default:
      break;
  }
  // The top bit marks a dead key, which types nothing by itself.
  const UINT character = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_CHAR);
  return character > 0 && character < 0x80 ? static_cast<char>(character) : '\0';
}

bool held(int key) {
  return GetKeyState(key) < 0;
}

}  // namespace

ScaleKeys::ScaleKeys(HWND window, std::function<int()> current, std::function<void(int)> choose)
    : window_(window), current_(std::move(current)), choose_(std::move(choose)) {
  if (!keyed) {
    hook_ = SetWindowsHookExW(WH_KEYBOARD, &ScaleKeys::keyboard, nullptr, GetCurrentThreadId());
    if (hook_) keyed = this;
  }
}

ScaleKeys::~ScaleKeys() {
  if (hook_) {
    UnhookWindowsHookEx(hook_);
    keyed = nullptr;
  }
}

LRESULT CALLBACK ScaleKeys::keyboard(int code, WPARAM key, LPARAM flags) {
  // Bit 31 of the flags: the key goes up; bit 30: it was down already.
  const bool pressed = (static_cast<std::uint32_t>(flags) & 0xC000'0000U) == 0;
  // Ctrl with Alt is AltGr on many layouts, which types characters ("}" on
  // a German 0), not a scale.
  if (code == HC_ACTION && pressed && keyed && held(VK_CONTROL) && !held(VK_MENU)) {
    HWND focus = GetFocus();
    if (focus && GetAncestor(focus, GA_ROOT) == keyed->window_) {
      if (const auto percent = desk::scale_for_key(character_of(key), keyed->current_())) {
        keyed->choose_(*percent);
        return 1;  // the key was the window's
      }
    }
  }
  return CallNextHookEx(nullptr, code, key, flags);
}

}  // namespace kolvar::winview
