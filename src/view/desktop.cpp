#include "view/desktop.h"

#include <QCoreApplication>
#include <cstdio>
#include <stdexcept>

#include "core/system_stop.h"
#include "desk/port_status.h"
#include "form/names.h"
#include "ui/handlers.h"

namespace kolvar::view {

Desktop::Desktop(Wiring wiring)
    : scaled_(wiring.scaled),
      before_(wiring.before),
      clock_(desk::monotonic_source(wiring, steady_)),
      ports_(wiring.ports ? wiring.ports(clock_) : platform::default_ports()),
      sound_([this] { message_box_.show(core::kStopSoundFailure); }),
      services_{clock_,       *ports_.first, *ports_.second,
                message_box_, sound_,        wiring.launcher ? *wiring.launcher : launcher_,
                locale_},
      controller_(services_),
      driver_(controller_, clock_, std::move(wiring.before)) {
  ui::register_handlers(controller_);
  window_ = std::make_unique<MainWindow>(
      controller_, [this](const std::function<void()>& input) { act(input); }, [this] { end(); });
  message_box_.set_owner(window_.get());
  loop_ = std::make_unique<RealTimeLoop>(
      driver_, [this](platform::Millis t) { return scaled_ ? scaled_->at(t) : steady_.at(t); },
      [this] { after_event(); });
  controller_.form.set_observer([this](const form::Control& control, form::Prop prop) {
    if (control.kind() == form::Kind::Form)
      window_->show_form(control, prop);
    else
      window_->view().show(control, prop);
    if (prop == form::Prop::On || prop == form::Prop::Interval) loop_->rearm();
  });
}

Desktop::~Desktop() {
  controller_.form.set_observer({});
}

void Desktop::start() {
  act([this] { controller_.start(); });
  window_->show();
}

void Desktop::end() {
  if (ended_) return;
  ended_ = true;
  if (controller_.c(ctl::Timer1).on())
    act([this] { controller_.click(controller_.c(ctl::Stop_sys_button)); });
  QCoreApplication::quit();
}

void Desktop::act(const std::function<void()>& input) {
  try {
    if (before_) before_(clock_.now());
    input();
  } catch (const std::exception& refused) {
    std::fprintf(stderr, "kolvar: %s\n", refused.what());
  }
  after_event();
}

void Desktop::after_event() {
  window_->set_status(QString::fromStdString(desk::port_status(controller_)));
  loop_->rearm();
}

}  // namespace kolvar::view
