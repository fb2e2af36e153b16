#pragma once
// The desktop program's world in Qt: the toolkit-free desktop with Qt's
// message boxes, sound and locale, its window, and the wake-ups of the
// timers in Qt's event loop.
#include <QSocketNotifier>
#include <memory>

#include "desk/desktop.h"
#include "platform/processes/posix_launcher.h"
#include "view/main_window.h"
#include "view/message_box.h"
#include "view/qt_locale.h"
#include "view/qt_sound.h"

namespace kolvar::view {

// What Qt lends the desktop; made before it, so that it outlives it.
struct QtServices {
  QtServices();

  NonBlockingMessageBox message_box;
  QtSound sound;
  platform::PosixLauncher launcher;
  QtLocale locale;
};

class Desktop : private QtServices, public desk::Desktop {
 public:
  // Needs a QApplication. Builds the window from the initial model.
  explicit Desktop(Wiring wiring);
  ~Desktop();

  MainWindow& window() { return *window_; }

 private:
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QSocketNotifier> wake_;
};

}  // namespace kolvar::view
