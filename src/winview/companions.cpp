#include "winview/companions.h"

#include <algorithm>

namespace kolvar::winview {

namespace {

constexpr UINT_PTR kSubclassId = 0x4b56;  // "KV"
// Smaller than this a companion is of no use, whatever it says of itself.
constexpr desk::Extent kLeast{160, 100};

desk::Box box_of(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LRESULT CALLBACK main_subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR self) {
  const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
  if (message == WM_WINDOWPOSCHANGED || message == WM_SHOWWINDOW)
    reinterpret_cast<Companions*>(self)->main_changed();
  return result;
}

LRESULT CALLBACK companion_subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR self) {
  if (message == WM_EXITSIZEMOVE) reinterpret_cast<Companions*>(self)->companion_moved(hwnd);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, companion_subclass, kSubclassId);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

Companions::Companions(HWND main) : main_(main) {
  SetWindowSubclass(main_, main_subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Companions::~Companions() {
  RemoveWindowSubclass(main_, main_subclass, kSubclassId);
  for (const Companion& c : companions_)
    if (IsWindow(c.window)) RemoveWindowSubclass(c.window, companion_subclass, kSubclassId);
}

void Companions::add(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  companions_.push_back({window, {r.right - r.left, r.bottom - r.top}});
  SetWindowSubclass(window, companion_subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  lay_out();
}

bool Companions::follows(HWND window) const {
  for (const Companion& c : companions_)
    if (c.window == window) return c.following;
  return false;
}

void Companions::main_changed() {
  if (!placing_) lay_out();
}

// The operator dragged or sized it: from now on it stays where put, at the
// size given.
void Companions::companion_moved(HWND window) {
  for (Companion& c : companions_) {
    if (c.window != window) continue;
    c.following = false;
    RECT r;
    GetWindowRect(window, &r);
    c.wanted = {r.right - r.left, r.bottom - r.top};
  }
}

void Companions::lay_out() {
  companions_.erase(std::remove_if(companions_.begin(), companions_.end(),
                                   [](const Companion& c) { return !IsWindow(c.window); }),
                    companions_.end());
  if (companions_.empty() || !IsWindowVisible(main_) || IsIconic(main_)) return;
  RECT main;
  GetWindowRect(main_, &main);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(main_, MONITOR_DEFAULTTONEAREST), &monitor);

  // The ones the operator placed stay, and take their room.
  std::vector<desk::CompanionExtent> extents;
  std::vector<Companion*> following;
  for (Companion& c : companions_) {
    if (!c.following) continue;
    extents.push_back({c.wanted, kLeast});
    following.push_back(&c);
  }
  const std::vector<desk::Box> boxes =
      desk::lay_out_companions(box_of(main), extents, box_of(monitor.rcWork));
  placing_ = true;
  for (std::size_t i = 0; i < following.size(); ++i) {
    Companion& c = *following[i];
    const desk::Box& b = boxes[i];
    SetWindowPos(c.window, nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (c.shown ? 0 : SWP_SHOWWINDOW));
    c.shown = true;
  }
  for (Companion& c : companions_)
    if (!c.shown) {
      ShowWindow(c.window, SW_SHOWNA);
      c.shown = true;
    }
  placing_ = false;
}

}  // namespace kolvar::winview
