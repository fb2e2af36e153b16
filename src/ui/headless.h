#pragma once
// The controller wired to recording fakes on a virtual clock: the scenario
// runner's world, and the one unit tests build on.
#include <functional>
#include <string>

#include "form/controller.h"
#include "form/virtual_clock.h"
#include "platform/fakes.h"
#include "platform/ports/fake_port.h"

namespace kolvar::ui {

class Headless {
 public:
  // Told of every outside event as a line without its time: `port 5`,
  // `msgbox "..."`, `sound "stop.wav"`, `launch "..."`.
  using EventSink = std::function<void(platform::Millis, const std::string&)>;

  explicit Headless(EventSink sink = {});
  Headless(const Headless&) = delete;
  Headless& operator=(const Headless&) = delete;

  // Advances virtual time by ms, firing every timer that comes due on the way.
  void advance(platform::Millis ms);
  platform::Millis now() const { return clock.now(); }

  EventSink sink;
  form::VirtualClock clock;
  platform::FakePort port1;
  platform::FakePort port2;
  platform::RecordingMessageBox message_box;
  platform::RecordingSound sound;
  platform::RecordingLauncher launcher;
  platform::FixedLocale locale;
  platform::Services services;
  form::Controller controller;
};

}  // namespace kolvar::ui
