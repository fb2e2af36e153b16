#include "kolvar-sim/sim_test_seam.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "form/names.h"

namespace kolvar::simapp {

namespace {

void print_event(platform::Millis t, const std::string& text) {
  std::printf("@%lld %s\n", static_cast<long long>(t), text.c_str());
  std::fflush(stdout);
}

// The two windows as they draw themselves, side by side on a quiet
// background, each with a thin frame where a window manager would put one.
QPixmap side_by_side(QWidget& left, QWidget& right) {
  constexpr int kMargin = 16;
  const QPixmap a = left.grab();
  const QPixmap b = right.grab();
  const QSize sa = a.deviceIndependentSize().toSize();
  const QSize sb = b.deviceIndependentSize().toSize();
  QPixmap both(3 * kMargin + sa.width() + sb.width(),
               2 * kMargin + std::max(sa.height(), sb.height()));
  both.fill(QColor(0x4a, 0x55, 0x60));
  QPainter painter(&both);
  painter.setPen(QColor(0x20, 0x24, 0x28));
  const QPoint at_a(kMargin, kMargin);
  const QPoint at_b(2 * kMargin + sa.width(), kMargin);
  painter.drawPixmap(at_a, a);
  painter.drawPixmap(at_b, b);
  painter.drawRect(QRect(at_a, sa).adjusted(-1, -1, 0, 0));
  painter.drawRect(QRect(at_b, sb).adjusted(-1, -1, 0, 0));
  return both;
}

}  // namespace

struct SimTestSeam::Painted : QObject {
  explicit Painted(const platform::Clock& clock) : clock(clock) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!shown && event->type() == QEvent::Paint) {
      shown = true;
      print_event(clock.now(), "shown");
    }
    return QObject::eventFilter(watched, event);
  }
  const platform::Clock& clock;
  bool shown = false;
};

SimTestSeam::SimTestSeam() {
  events_ = std::getenv("KOLVAR_TEST_EVENTS") != nullptr;
  if (const char* grab = std::getenv("KOLVAR_TEST_GRAB")) grab_ = grab;
  if (const char* cycles = std::getenv("KOLVAR_TEST_GRAB_CYCLES")) grab_cycles_ = std::atol(cycles);
  if (const char* speed = std::getenv("KOLVAR_TEST_SPEED")) speed_ = std::atoi(speed);
}

SimTestSeam::~SimTestSeam() = default;

void SimTestSeam::attach(simview::SimulatedDesktop& sim) {
  if (speed_ > 0) sim.sim_window().set_speed(speed_);
  if (!events_ && grab_.empty()) return;
  view::Desktop& desktop = sim.desktop();
  if (events_) {
    painted_ = std::make_unique<Painted>(desktop.clock());
    desktop.window().canvas()->installEventFilter(painted_.get());
  }
  desktop.controller().after_each_event(
      [this, &desktop, &sim](form::Controller& c, const form::Control& source) {
        if (&source != &c.c(ctl::Timer1)) return;
        ++cycles_;
        if (events_) print_event(desktop.clock().now(), "cycle " + c.c(ctl::T, 1).text());
        if (!grab_.empty() && cycles_ == grab_cycles_) {
          const bool saved =
              side_by_side(desktop.window(), sim.sim_window()).save(QString::fromStdString(grab_));
          if (events_) print_event(desktop.clock().now(), saved ? "grabbed" : "not grabbed");
        }
      });
}

}  // namespace kolvar::simapp
