#include "kolvar-sim/sim_test_seam.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "form/names.h"
#include "view/test_seam.h"

namespace kolvar::simapp {

namespace {

// Every window that is shown, as each draws itself, where it stands on the
// screen, on a quiet background and each with a thin frame where a window
// manager would put one.
QPixmap screen_picture() {
  constexpr int kMargin = 16;
  QList<QWidget*> shown;
  QRect all;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->width() < 16) continue;
    shown.append(w);
    all = all.united(w->geometry());
  }
  QPixmap picture(all.size() + QSize(2 * kMargin, 2 * kMargin));
  picture.fill(QColor(0x4a, 0x55, 0x60));
  QPainter painter(&picture);
  painter.setPen(QColor(0x20, 0x24, 0x28));
  for (QWidget* w : shown) {
    const QPoint at = w->geometry().topLeft() - all.topLeft() + QPoint(kMargin, kMargin);
    painter.drawPixmap(at, w->grab());
    painter.drawRect(QRect(at, w->size()).adjusted(-1, -1, 0, 0));
  }
  return picture;
}

}  // namespace

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
    painted_ = std::make_unique<view::FirstPaintPrinter>(desktop);
  }
  desktop.controller().after_each_event(
      [this, &desktop](form::Controller& c, const form::Control& source) {
        if (&source != &c.c(ctl::Timer1)) return;
        ++cycles_;
        if (events_)
          view::print_test_event(desktop.clock().now(), "cycle " + c.c(ctl::T, 1).text());
        if (!grab_.empty() && cycles_ == grab_cycles_) {
          const bool saved = screen_picture().save(QString::fromStdString(grab_));
          if (events_)
            view::print_test_event(desktop.clock().now(), saved ? "grabbed" : "not grabbed");
        }
      });
}

}  // namespace kolvar::simapp
