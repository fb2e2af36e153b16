#include "view/desktop.h"

#include <QCoreApplication>
#include <cstdio>
#include <stdexcept>

#include "core/system_stop.h"
#include "form/names.h"
#include "ui/handlers.h"
#include "view/port_status.h"

namespace kolvar::view {

namespace {

form::RealTimeClock::Source monotonic_source(Desktop::Parts& parts,
                                             const form::SteadyMillis& steady) {
  if (parts.monotonic) return std::move(parts.monotonic);
  if (parts.scaled) return [scaled = parts.scaled] { return (*scaled)(); };
  return steady;
}

}  // namespace

Desktop::Desktop(Parts parts)
    : scaled_(parts.scaled),
      before_(parts.before),
      clock_(monotonic_source(parts, steady_)),
      ports_(parts.ports ? parts.ports(clock_) : platform::default_ports()),
      sound_([this] { message_box_.show(core::kStopSoundFailure); }),
      services_{clock_,       *ports_.first, *ports_.second,
                message_box_, sound_,        parts.launcher ? *parts.launcher : launcher_,
                locale_},
      controller_(services_),
      driver_(controller_, clock_, std::move(parts.before)) {
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
  window_->set_status(QString::fromStdString(port_status(controller_)));
  loop_->rearm();
}

}  // namespace kolvar::view
