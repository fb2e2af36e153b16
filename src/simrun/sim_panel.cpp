#include "simrun/sim_panel.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "simrun/plant_texts.h"
#include "simrun/run_watch.h"

namespace kolvar::simrun {

namespace {

const char* probe_name(sim::Probe probe) {
  switch (probe) {
    case sim::Probe::Dephlegmator:
      return "дефлегматор";
    case sim::Probe::Packing:
      return "насадка";
    case sim::Probe::Tank:
      return "бак";
    case sim::Probe::CoolerOutlet:
      return "выход холодильника";
    case sim::Probe::Room:
      return "комната";
    case sim::Probe::None:
      break;
  }
  return "не подключён";
}

bool in_range(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

std::array<std::string, kPlantRows.size()> plant_values(const sim::PlantStatus& s,
                                                        const sim::Faults& f) {
  return {clock_text(s.time),
          pressure_text(s.pressure_hpa),
          heater_text(s, f),
          valve_text(s),
          lift_text(s.lift_cm),
          water_text(s.dephlegmator_water_on),
          water_text(s.coil_water_on),
          celsius_text(s.tank_celsius),
          strength_text(s.charge.abv()),
          litres_text(s.taken_off.litres()),
          strength_text(s.taken_off.abv())};
}

const std::array<FaultSwitch, 11> kFaultSwitches{{
    {"fault_logger", "Логгер завис", "", 0, 0,
     [](const sim::Faults& f) { return f.logger_stalled && f.restart_revives; },
     [](sim::Faults& f, bool on) {
       f.logger_stalled = on;
       f.restart_revives = true;
     }},
    {"fault_logger_dead", "Логгер умер", "Логгер завис, и перезапуск его не оживит", 0, 1,
     [](const sim::Faults& f) { return f.logger_stalled && !f.restart_revives; },
     [](sim::Faults& f, bool on) {
       f.logger_stalled = on;
       f.restart_revives = !on;
     }},
    {"fault_log_removed", "Лог удалён",
     "Файл лога удалён, пока логгер пишет: его строк никто не видит до перезапуска логгера", 1, 0,
     [](const sim::Faults& f) { return f.log_removed; },
     [](sim::Faults& f, bool on) { f.log_removed = on; }},
    {"fault_garbage_line", "Мусор в логе", "Вместо строк показаний логгер пишет посторонний текст",
     1, 1, [](const sim::Faults& f) { return f.garbage_line; },
     [](sim::Faults& f, bool on) { f.garbage_line = on; }},
    {"fault_decimal_comma", "Логгер с запятой",
     "Логгер пишет показания с десятичной запятой: 78,19", 2, 0,
     [](const sim::Faults& f) { return f.decimal_comma; },
     [](sim::Faults& f, bool on) { f.decimal_comma = on; }},
    {"fault_logger_frozen", "Логгер застыл",
     "Время в строках лога идёт, а температуры повторяются; перезапуск не поможет", 2, 1,
     [](const sim::Faults& f) { return f.logger_frozen; },
     [](sim::Faults& f, bool on) { f.logger_frozen = on; }},
    {"fault_water", "Нет воды", "Пропала вода охлаждения: дефлегматор и змеевик", 3, 0,
     [](const sim::Faults& f) { return f.water_failed; },
     [](sim::Faults& f, bool on) { f.water_failed = on; }},
    {"fault_relay", "Реле стоп залипло", "", 3, 1,
     [](const sim::Faults& f) { return f.stop_relay_stuck; },
     [](sim::Faults& f, bool on) { f.stop_relay_stuck = on; }},
    {"fault_port", "Кабель порта отключён", "", 4, 0,
     [](const sim::Faults& f) { return f.port_unplugged; },
     [](sim::Faults& f, bool on) { f.port_unplugged = on; }},
    {"fault_pressure_falls", "Давление падает", "Погода меняется: 3 гПа в час вниз", 6, 0,
     [](const sim::Faults& f) { return f.pressure_drift_hpa_h < 0; },
     [](sim::Faults& f, bool on) { f.pressure_drift_hpa_h = on ? -kPressureDrift : 0; }},
    {"fault_pressure_rises", "Давление растёт", "Погода меняется: 3 гПа в час вверх", 6, 1,
     [](const sim::Faults& f) { return f.pressure_drift_hpa_h > 0; },
     [](sim::Faults& f, bool on) { f.pressure_drift_hpa_h = on ? kPressureDrift : 0; }},
}};

std::optional<double> pressure_setting(std::string_view text) {
  std::string number(text);
  std::replace(number.begin(), number.end(), ',', '.');
  double hpa = 0;
  const char* end = number.data() + number.size();
  const auto [at, error] = std::from_chars(number.data(), end, hpa);
  if (number.empty() || error != std::errc{} || at != end) return std::nullopt;
  if (!(hpa >= sim::kLowestHpa && hpa <= sim::kHighestHpa)) return std::nullopt;
  return hpa;
}

std::string pressure_setting_text(double hpa) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", hpa);
  return text;
}

std::vector<std::string> sensor_choices(const sim::PlantSettings& settings) {
  std::vector<std::string> choices;
  const auto& columns = settings.logger.columns;
  for (std::size_t k = 0; k < columns.size(); ++k)
    choices.push_back(std::to_string(k + 1) + ": " + probe_name(columns[k]));
  return choices;
}

void set_sensor_fault(sim::Faults& faults, int column, int kind, bool on) {
  if (!in_range(column, faults.sensors.size()) || !in_range(kind, kSensorFaultKinds.size())) return;
  const sim::SensorFault fault = kSensorFaultKinds[static_cast<std::size_t>(kind)].fault;
  faults.sensors[static_cast<std::size_t>(column)] = on ? fault : sim::SensorFault::None;
}

bool sensor_fault_on(const sim::Faults& faults, int column) {
  return in_range(column, faults.sensors.size()) &&
         faults.sensors[static_cast<std::size_t>(column)] != sim::SensorFault::None;
}

}  // namespace kolvar::simrun
