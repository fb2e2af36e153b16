#pragma once
// The controller on a simulated column: the plant is the first port backend
// and the launcher of the logger's program, the second backend is absent, as
// on a machine with one port driver, and message box and sound are recorded.
// Everything runs on one virtual clock, as fast as the machine allows.
#include "form/controller.h"
#include "form/virtual_clock.h"
#include "platform/fakes.h"
#include "platform/ports/fake_port.h"
#include "sim/plant.h"
#include "simrun/one_clock.h"
#include "simrun/plant_connection.h"

namespace kolvar::simrun {

class SimWorld {
 public:
  // Builds the plant (a kolvar::Failure for settings that describe no rig)
  // and the controller with every handler; the program is not started yet.
  // `sink` is told of message boxes and sounds as `msgbox "..."` and
  // `sound "..."`.
  explicit SimWorld(const sim::PlantSettings& settings, platform::EventSink sink = {});
  SimWorld(const SimWorld&) = delete;
  SimWorld& operator=(const SimWorld&) = delete;

  void advance_to(platform::Millis until, const CycleObserver& after_cycle = {}) {
    advance_together(controller, clock, plant, until, after_cycle);
  }
  platform::Millis now() const { return clock.now(); }

  form::VirtualClock clock;
  sim::Plant plant;
  PlantConnection connection{plant};
  platform::FakePort second_port;
  platform::RecordingMessageBox message_box;
  platform::RecordingSound sound;
  platform::FixedLocale locale{'.'};
  platform::Services services;
  form::Controller controller;
};

}  // namespace kolvar::simrun
