#include "simrun/plant_quantities.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <variant>

namespace kolvar::simrun {

namespace {

using Value = std::variant<bool, long, double>;

struct Quantity {
  std::string_view name;
  std::function<Value(const sim::PlantStatus&, long valve_openings)> value;
};

const std::vector<Quantity>& quantities() {
  using S = const sim::PlantStatus&;
  static const std::vector<Quantity> table{
      {"heater", [](S s, long) { return Value{s.heater_on}; }},
      {"stop_line", [](S s, long) { return Value{s.stop_raised}; }},
      {"watchdog_tripped", [](S s, long) { return Value{s.watchdog_tripped}; }},
      {"valve", [](S s, long) { return Value{s.valve_open}; }},
      {"valve_openings", [](S, long n) { return Value{n}; }},
      {"lift_cm", [](S s, long) { return Value{s.lift_cm}; }},
      {"coil_water", [](S s, long) { return Value{s.coil_water_on}; }},
      {"dephlegmator_water", [](S s, long) { return Value{s.dephlegmator_water_on}; }},
      {"working_signal", [](S s, long) { return Value{s.working_signal}; }},
      {"lines", [](S s, long) { return Value{static_cast<long>(s.lines)}; }},
      {"dephlegmator_celsius", [](S s, long) { return Value{s.dephlegmator_celsius}; }},
      {"packing_celsius", [](S s, long) { return Value{s.packing_celsius}; }},
      {"tank_celsius", [](S s, long) { return Value{s.tank_celsius}; }},
      {"cooler_celsius", [](S s, long) { return Value{s.cooler_celsius}; }},
      {"pressure_hpa", [](S s, long) { return Value{s.pressure_hpa}; }},
      {"boiling", [](S s, long) { return Value{s.boiling}; }},
      {"takeoff_ml_h", [](S s, long) { return Value{s.takeoff_ml_h}; }},
      {"charge_litres", [](S s, long) { return Value{s.charge.litres()}; }},
      {"charge_abv", [](S s, long) { return Value{s.charge.abv() * 100}; }},
      {"taken_off_litres", [](S s, long) { return Value{s.taken_off.litres()}; }},
      {"taken_off_abv", [](S s, long) { return Value{s.taken_off.abv() * 100}; }},
      {"logger_running", [](S s, long) { return Value{s.logger_running}; }},
      {"log_lines", [](S s, long) { return Value{s.log_lines}; }},
      {"logger_restarts", [](S s, long) { return Value{static_cast<long>(s.launches)}; }},
  };
  return table;
}

std::string text_of(const Value& v) {
  if (const bool* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
  if (const long* n = std::get_if<long>(&v)) return std::to_string(*n);
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", std::get<double>(v));
  return text;
}

std::optional<double> number(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> quantity_text(const sim::PlantStatus& status, long valve_openings,
                                         std::string_view name) {
  for (const Quantity& q : quantities())
    if (q.name == name) return text_of(q.value(status, valve_openings));
  return std::nullopt;
}

std::vector<std::string_view> quantity_names() {
  std::vector<std::string_view> names;
  for (const Quantity& q : quantities()) names.push_back(q.name);
  return names;
}

std::optional<bool> quantity_matches(std::string_view actual, std::string_view wanted) {
  const std::size_t dots = wanted.find("..");
  const bool compares = !wanted.empty() && (wanted.front() == '<' || wanted.front() == '>');
  if (dots == std::string_view::npos && !compares) return actual == wanted;
  const std::optional<double> value = number(actual);
  if (compares) {
    const std::optional<double> bound = number(wanted.substr(1));
    if (!value || !bound) return std::nullopt;
    return wanted.front() == '<' ? *value < *bound : *value > *bound;
  }
  const std::optional<double> low = number(wanted.substr(0, dots));
  const std::optional<double> high = number(wanted.substr(dots + 2));
  if (!value || !low || !high) return std::nullopt;
  return *low <= *value && *value <= *high;
}

}  // namespace kolvar::simrun
