#include "view/test_seam.h"

#include <QEvent>
#include <QObject>

#include "desk/test_seam.h"

namespace kolvar::view {

struct FirstPaintPrinter::Filter : QObject {
  explicit Filter(const platform::Clock& clock) : clock(clock) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!shown && event->type() == QEvent::Paint) {
      shown = true;
      desk::print_test_event(clock.now(), "shown");
    }
    return QObject::eventFilter(watched, event);
  }
  const platform::Clock& clock;
  bool shown = false;
};

FirstPaintPrinter::FirstPaintPrinter(Desktop& desktop)
    : filter_(std::make_unique<Filter>(desktop.clock())) {
  desktop.window().canvas()->installEventFilter(filter_.get());
}

FirstPaintPrinter::~FirstPaintPrinter() = default;

}  // namespace kolvar::view
