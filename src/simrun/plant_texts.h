#pragma once
// The simulated column's state in the words of its window.
#include <string>

#include "sim/faults.h"
#include "sim/plant_status.h"

namespace kolvar::simrun {

// "включён", or "выключен" and why: the stop relay, the watchdog, an empty
// pot. A heater on under a raised stop says that its relay is stuck.
std::string heater_text(const sim::PlantStatus& s, const sim::Faults& faults);
std::string valve_text(const sim::PlantStatus& s);
std::string water_text(bool on);
// "12.5 см", "78.19 °C", "1.25 л", "93.4 %": one decimal, two for temperatures.
std::string lift_text(double cm);
std::string celsius_text(double celsius);
std::string litres_text(double litres);
std::string strength_text(double abv);
std::string pressure_text(double hpa);

}  // namespace kolvar::simrun
