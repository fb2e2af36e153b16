#include "desk/desktop.h"

#include <cstdio>
#include <stdexcept>

#include "desk/port_status.h"
#include "form/names.h"
#include "ui/handlers.h"

namespace kolvar::desk {

Desktop::Desktop(Wiring wiring, Toolkit toolkit)
    : scaled_(wiring.scaled),
      before_(wiring.before),
      clock_(monotonic_source(wiring, steady_)),
      ports_(wiring.ports ? wiring.ports(clock_) : platform::default_ports()),
      services_{clock_,         *ports_.first,
                *ports_.second, toolkit.message_box,
                toolkit.sound,  wiring.launcher ? *wiring.launcher : toolkit.launcher,
                toolkit.locale},
      controller_(services_),
      driver_(controller_, clock_, std::move(wiring.before)),
      loop_(
          driver_, [this](platform::Millis t) { return scaled_ ? scaled_->at(t) : steady_.at(t); },
          [this] { after_event(); }),
      quit_(std::move(toolkit.quit)),
      opened_(std::move(toolkit.opened)) {
  ui::register_handlers(controller_);
  const form::Control* cycle = &controller_.c(ctl::Timer1);
  controller_.form.set_observer([this, cycle](const form::Control& control, form::Prop prop) {
    if (window_) {
      if (control.kind() == form::Kind::Form)
        window_->show_form(control, prop);
      else
        window_->show_control(control, prop);
    }
    if (prop == form::Prop::On || prop == form::Prop::Interval) loop_.rearm();
    if (&control == cycle && prop == form::Prop::On && on_cycle_) on_cycle_(control.on());
  });
}

Desktop::~Desktop() {
  controller_.form.set_observer({});
}

void Desktop::attach(Window& window) {
  window_ = &window;
}

void Desktop::start() {
  act([this] { controller_.start(); });
  if (window_) window_->open();
  if (opened_) opened_();
}

void Desktop::end() {
  if (ended_) return;
  ended_ = true;
  if (controller_.c(ctl::Timer1).on())
    act([this] { controller_.click(controller_.c(ctl::Stop_sys_button)); });
  if (quit_) quit_();
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
  if (window_) window_->set_status(port_status(controller_));
  loop_.rearm();
}

}  // namespace kolvar::desk
