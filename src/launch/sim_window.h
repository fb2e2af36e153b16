#pragma once
// What a window on a simulated column needs before its toolkit starts: the
// plant of the charge the command line asks for, settled with the working
// folder's settings file, and the wall clock its record keeps.
#include <chrono>

#include "alerts/alert_settings.h"
#include "platform/time/wall_clock.h"
#include "remote/web_plan.h"
#include "sim/plant.h"
#include "simrun/rig.h"

namespace kolvar::launch {

struct SimWindowOptions {
  simrun::Charge charge;
  bool cold = false;  // the column starts at room temperature
  remote::WebCommandLine web;
  remote::AlertCommandLine alerts;
};

// The plant, its port named so that the status line says where the outputs
// go. Throws kolvar::Failure for a settings file that cannot be read or
// written.
sim::PlantSettings window_plant(const simrun::Charge& charge);

// The record's wall time runs on the model's clock from the real moment the
// window opened, so at ×10 and ×60 the record's times and the plot keep pace
// with the column.
platform::LocalTime opened_at(const platform::Clock& model, const platform::WallClock& real);

}  // namespace kolvar::launch
