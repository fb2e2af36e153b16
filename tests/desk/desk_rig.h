#pragma once
// The toolkit-free desktop with recording services and a window that notes
// what reaches it: the shared rules of both windows, checked without a
// display. Its monotonic clock is the test's: nothing sleeps.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "desk/desktop.h"
#include "platform/fakes.h"
#include "platform/ports/fake_port.h"
#include "platform/time/manual_clock.h"

namespace kolvar::desk::test_rig {

struct NotingWindow : Window {
  void show_form(const form::Control& form, form::Prop prop) override {
    changes.emplace_back(form.full_name(), prop);
  }
  void show_control(const form::Control& control, form::Prop prop) override {
    changes.emplace_back(control.full_name(), prop);
  }
  void set_status(const std::string& text) override { status = text; }
  void open() override { ++opened; }
  void show_web_address(const std::string& url) override { web = url; }
  void show_alert_button(const std::vector<std::string>& shown,
                         std::function<void()> test) override {
    channels = shown;
    test_alert = std::move(test);
  }
  void show_alert_trouble(const std::string& line) override { trouble = line; }
  void show_journal_button(std::function<void()> edit) override { edit_note = std::move(edit); }

  std::vector<std::pair<std::string, form::Prop>> changes;
  std::string status;
  int opened = 0;
  std::string web;
  std::vector<std::string> channels;
  std::function<void()> test_alert;
  std::string trouble;
  std::function<void()> edit_note;
};

// What a toolkit lends, recorded.
struct RecordingToolkit {
  platform::ManualClock clock;
  platform::RecordingMessageBox boxes{clock};
  platform::RecordingSound sound{clock};
  platform::RecordingLauncher launcher{clock};
  platform::FixedLocale locale;
  int quits = 0;
  int opened = 0;

  Toolkit lend() {
    return {boxes, sound, launcher, locale, [this] { ++quits; }, [this] { ++opened; }};
  }
};

// Ports that record, named as a Linux machine's.
inline Desktop::Wiring recording_ports(platform::FakePort*& first, platform::Millis& monotonic) {
  Desktop::Wiring wiring;
  wiring.ports = [&first](const platform::Clock& clock) {
    auto one = std::make_unique<platform::FakePort>(clock, "/dev/parport0");
    auto two = std::make_unique<platform::FakePort>(clock, "0x378");
    first = one.get();
    return platform::DefaultPorts{std::move(one), std::move(two)};
  };
  wiring.monotonic = [&monotonic] { return monotonic; };
  return wiring;
}

}  // namespace kolvar::desk::test_rig
