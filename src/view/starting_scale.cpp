#include "view/starting_scale.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

#include "desk/scale_steps.h"
#include "view/scale_memory.h"

namespace kolvar::view {

namespace {

// Before the window is shown the window manager's frame is unknown; a title
// bar and borders of about this size keep a first start's window whole.
constexpr int kFrameWidth = 10;
constexpr int kFrameHeight = 40;

// The desktop's text: the application's default font, which the platform
// theme takes from the desktop's settings.
double desktop_points(const QWidget& window) {
  const QFont font = QApplication::font();
  if (font.pointSizeF() > 0) return font.pointSizeF();
  const QScreen* screen = window.screen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  return font.pixelSize() > 0 ? font.pixelSize() * 72.0 / dpi : 0.0;
}

}  // namespace

int starting_scale(const QWidget& window, double panel_points) {
  if (const auto remembered = remembered_scale()) return *remembered;
  desk::FirstStartFacts facts{desktop_points(window), panel_points, window.width(),
                              window.height(),        kFrameWidth,  kFrameHeight};
  if (const QScreen* screen = window.screen()) {
    facts.room_width = screen->availableGeometry().width();
    facts.room_height = screen->availableGeometry().height();
  }
  return desk::first_start_scale(facts);
}

}  // namespace kolvar::view
