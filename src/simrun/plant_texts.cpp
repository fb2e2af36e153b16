#include "simrun/plant_texts.h"

#include <cstdio>

namespace kolvar::simrun {

namespace {
std::string printed(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}
}  // namespace

std::string heater_text(const sim::PlantStatus& s, const sim::Faults& faults) {
  if (s.heater_on) {
    return s.stop_raised && faults.stop_relay_stuck ? "включён, реле стоп залипло" : "включён";
  }
  if (s.stop_raised && !faults.stop_relay_stuck) return "выключен: реле стоп";
  if (s.watchdog_tripped) return "выключен: сторожевое реле";
  if (s.dry) return "выключен: куб пуст";
  return "выключен";
}

std::string valve_text(const sim::PlantStatus& s) {
  return s.valve_open ? "открыт" : "закрыт";
}

std::string water_text(bool on) {
  return on ? "идёт" : "нет";
}

std::string lift_text(double cm) {
  return printed("%.1f см", cm);
}

std::string celsius_text(double celsius) {
  return printed("%.2f °C", celsius);
}

std::string litres_text(double litres) {
  return printed("%.2f л", litres);
}

std::string strength_text(double abv) {
  return printed("%.1f %%", abv * 100);
}

}  // namespace kolvar::simrun

namespace kolvar::simrun {

std::string pressure_text(double hpa) {
  return printed("%.1f гПа", hpa);
}

}  // namespace kolvar::simrun
