#pragma once
// The windows that keep the main window company (the simulator's window, the
// plot) stand beside the main window's frame: each is shown once the main
// window is on screen, and follows when the main window moves or changes
// size, until the operator moves it; from then on it stays where the
// operator put it.
#include <vector>

#include "desk/companion_layout.h"
#include "winview/win32.h"

namespace kolvar::winview {

class Companions {
 public:
  // `main` must outlive this. Watches the main window's moves through a
  // subclass of its window procedure.
  explicit Companions(HWND main);
  Companions(const Companions&) = delete;
  Companions& operator=(const Companions&) = delete;
  ~Companions();

  // `window` (a top-level window, hidden) goes beside the main window and
  // the companions added before it, and is shown once the main window is
  // visible (at once if it already is). It may be destroyed before this is.
  void add(HWND window);
  // Whether `window` still follows the main window.
  bool follows(HWND window) const;

  // The subclass procedures' own.
  void main_changed();
  void companion_moved(HWND window);

 private:
  struct Companion {
    HWND window = nullptr;
    desk::Extent wanted;
    bool following = true;
    bool shown = false;
  };

  void lay_out();

  HWND main_;
  std::vector<Companion> companions_;
  bool placing_ = false;
};

}  // namespace kolvar::winview
