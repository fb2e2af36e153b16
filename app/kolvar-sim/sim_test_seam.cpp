#include "kolvar-sim/sim_test_seam.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
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
}

SimTestSeam::~SimTestSeam() = default;

void SimTestSeam::attach(simview::SimulatedDesktop& sim) {
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
          const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(
              QString::fromStdString(grab_), "PNG");
          if (events_) print_event(desktop.clock().now(), saved ? "grabbed" : "not grabbed");
        }
      });
}

}  // namespace kolvar::simapp
