#pragma once
// The take-off type of a simulated run. The settings file does not keep it:
// every program start begins with liquid take-off, so a run chooses its type
// in the menu after the start, as the operator does.
#include <optional>
#include <string_view>

#include "form/controller.h"

namespace kolvar::simrun {

enum class Takeoff {
  Liquid,
  Vapour,
  Pwm,          // width-modulated, the share regulated by the temperatures
  PwmTankLine,  // width-modulated, the share following the tank line
};

// "liquid", "vapour", "pwm", "pwm-tank".
std::optional<Takeoff> takeoff_named(std::string_view name);
std::string_view takeoff_name(Takeoff takeoff);

// Ticks the type in the menu through its click handler; for the tank line
// also ticks the manual share and "Отб.по t° бака" through theirs.
void choose_takeoff(form::Controller& c, Takeoff takeoff);

}  // namespace kolvar::simrun
