#include "form/controller.h"

#include <climits>

#include "form/text_number.h"
#include "form/virtual_clock.h"
#include "form/window_layout.h"
#include "platform/failure.h"

namespace kolvar::form {

Controller::Controller(platform::Services& services) : os(services), form(services.clock) {
  build_window(form);
}

void Controller::on_click(Name name, Handler handler) {
  clicks_[std::string(name.text())] = std::move(handler);
}
void Controller::on_change(Name name, Handler handler) {
  changes_[std::string(name.text())] = std::move(handler);
}
void Controller::on_choice(Name name, ChoiceHandler handler) {
  choices_[std::string(name.text())] = std::move(handler);
}
void Controller::on_timer(Name name, std::function<void(Controller&)> handler) {
  timers_[std::string(name.text())] = std::move(handler);
}
void Controller::on_start(std::function<void(Controller&)> handler) {
  start_.push_back(std::move(handler));
}

bool Controller::restart_mark() const {
  return numeric_value(c(ctl::Ch_log).tag()) != 0;
}

void Controller::set_restart_mark(bool restarted) {
  c(ctl::Ch_log).set_tag(restarted ? "1" : "0");
}

long long Controller::minute_count() const {
  return counter_value(c(ctl::Timer3).tag(), "Timer3.Tag");
}

void Controller::set_minute_count(long long minutes) {
  c(ctl::Timer3).set_tag(std::to_string(minutes));
}

bool Controller::settings_loaded() const {
  return numeric_value(c(ctl::V, 1).tag()) != 0;
}

void Controller::set_settings_loaded(bool loaded) {
  c(ctl::V, 1).set_tag(loaded ? "1" : "0");
}

void Controller::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Failure& failure) {
    os.message_box.show(failure.what());
  }
}

void Controller::start() {
  for (auto& step : start_) guarded([&] { step(*this); });
}

void Controller::click(Control& control) {
  auto it = clicks_.find(control.name());
  if (control.kind() == Kind::CheckBox) {
    control.set_value(control.value() ? 0 : 1);
  } else if (it == clicks_.end()) {
    throw NoHandler("no click handler for " + control.full_name());
  }
  if (it != clicks_.end()) guarded([&] { it->second(*this, control.index()); });
  for (auto& watcher : watchers_) watcher(*this, control);
}

void Controller::edit(Control& control, const std::string& value) {
  auto number = [&] {
    auto v = whole_number(value);
    if (!v || *v < INT_MIN || *v > INT_MAX)
      throw std::invalid_argument("not a whole number: " + value);
    return static_cast<int>(*v);
  };
  switch (control.kind()) {
    case Kind::ScrollBar: {
      int v = number();
      if (!control.in_range(v))
        throw std::out_of_range(control.full_name() + " takes " + std::to_string(control.min()) +
                                ".." + std::to_string(control.max()) + ", not " + value);
      guarded([&] { change_value(control, v); });
      return;
    }
    case Kind::CheckBox: {
      int v = number();
      if (v != 0 && v != 1) throw std::invalid_argument("a check box takes 0 or 1, not " + value);
      control.set_value(v);
      if (auto it = clicks_.find(control.name()); it != clicks_.end())
        guarded([&] { it->second(*this, control.index()); });
      return;
    }
    case Kind::DriveList:
    case Kind::DirList:
    case Kind::FileList: {
      auto it = choices_.find(control.name());
      if (it == choices_.end()) throw NoHandler("no handler for choices in " + control.full_name());
      guarded([&] { it->second(*this, control.index(), value); });
      return;
    }
    case Kind::TextBox:
      control.set_text(value);
      if (auto it = changes_.find(control.name()); it != changes_.end())
        guarded([&] { it->second(*this, control.index()); });
      return;
    default:
      throw std::invalid_argument(control.full_name() + " cannot be edited by the operator");
  }
}

void Controller::change_value(Control& scroll_bar, int value) {
  if (value == scroll_bar.value()) return;
  scroll_bar.set_value(value);
  if (auto it = changes_.find(scroll_bar.name()); it != changes_.end())
    it->second(*this, scroll_bar.index());
}

void Controller::fire(Control& timer) {
  if (auto it = timers_.find(timer.name()); it != timers_.end())
    guarded([&] { it->second(*this); });
  for (auto& watcher : watchers_) watcher(*this, timer);
}

void Controller::act_as(Control& source, const std::function<void()>& action) {
  guarded(action);
  for (auto& watcher : watchers_) watcher(*this, source);
}

void Controller::run_timers_until(VirtualClock& clock, platform::Millis until) {
  const std::vector<Control*> timers = form.timers();
  while (Control* t = next_due_timer(timers, until)) {
    clock.set(t->due());
    t->reschedule_after_firing(clock.now());
    fire(*t);
  }
  clock.set(until);
}

}  // namespace kolvar::form
