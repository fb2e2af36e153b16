#include "kolvar-headless/sim_commands.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "form/json_text.h"
#include "form/text_number.h"
#include "kolvar-headless/script_errors.h"
#include "platform/failure.h"
#include "sim/plant.h"
#include "simrun/one_clock.h"
#include "simrun/plant_connection.h"
#include "simrun/plant_quantities.h"
#include "simrun/rig.h"
#include "simrun/sim_panel.h"
#include "simrun/sim_settings_file.h"

namespace kolvar::headless {

struct SimCommands::Simulation {
  explicit Simulation(const sim::PlantSettings& settings) : plant(settings) {}
  sim::Plant plant;
  simrun::PlantConnection connection{plant};
};

namespace {

std::string_view next_word(std::string_view& line) {
  const std::size_t end = line.find(' ');
  const std::string_view word = line.substr(0, end);
  line = end == std::string_view::npos ? std::string_view{} : line.substr(end + 1);
  return word;
}

bool on_or_off(std::string_view rest) {
  if (rest == "on") return true;
  if (rest == "off") return false;
  throw ScriptError("on or off, not \"" + std::string(rest) + "\"");
}

double decimal_number(std::string_view s) {
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc{} || end != s.data() + s.size() || !(value >= 0))
    throw ScriptError("not a number: \"" + std::string(s) + "\"");
  return value;
}

long long whole_number(std::string_view s) {
  if (auto v = form::whole_number(s)) return *v;
  throw ScriptError("not a number: \"" + std::string(s) + "\"");
}

constexpr char kNotOn[] = "no simulated column: \"simulate on\" comes first";

}  // namespace

SimCommands::SimCommands(ui::Headless& rig) : rig_(rig) {}

SimCommands::~SimCommands() {
  rig_.port1.pass_to(nullptr);
  rig_.launcher.program = nullptr;
}

// on [LITRES STRENGTH POWER SEED] | fault ... | watchdog on|off
void SimCommands::simulate(std::string_view rest) {
  const std::string_view what = next_word(rest);
  if (what == "on") return on(rest);
  if (!simulation_) throw ScriptError(kNotOn);
  if (what == "fault") return fault(rest);
  if (what == "watchdog") {
    simulation_->plant.settings().watchdog = on_or_off(rest);
    return;
  }
  throw ScriptError("simulate takes on, fault or watchdog");
}

void SimCommands::on(std::string_view rest) {
  if (simulation_) throw ScriptError("the simulated column is on already");
  if (rig_.now() != 0) throw ScriptError("\"simulate on\" comes before the first advance");
  simrun::Charge charge;
  if (!rest.empty()) {
    charge.litres = decimal_number(next_word(rest));
    charge.strength = decimal_number(next_word(rest));
    charge.watts = decimal_number(next_word(rest));
    const long long seed = whole_number(rest);
    if (seed < 0 || seed > UINT32_MAX) throw ScriptError("the seed is 0 to 4294967295");
    charge.seed = static_cast<std::uint32_t>(seed);
  }
  sim::PlantSettings settings = simrun::simulated_rig(charge);
  try {
    simrun::settle_settings_file(settings);
    simulation_ = std::make_unique<Simulation>(settings);
  } catch (const Failure& e) {
    throw ScriptError(e.what());
  }
  rig_.port1.pass_to(&simulation_->connection);
  rig_.launcher.program = &simulation_->connection;
}

// water | stall | stall-revivable | log-removed | garbage-line | comma |
// logger-frozen | relay | unplug | pressure-falls | pressure-rises, each [off]; sensor N
// blank|garbage|off-bus|power-on|frozen|off
void SimCommands::fault(std::string_view rest) {
  sim::Faults& faults = simulation_->plant.faults;
  const std::string_view what = next_word(rest);
  if (what == "sensor") {
    const long long n = whole_number(next_word(rest));
    if (n < 1 || n > sim::kLogColumns) throw ScriptError("the logger has sensors 1 to 5");
    static constexpr std::pair<std::string_view, sim::SensorFault> kKinds[] = {
        {"blank", sim::SensorFault::Blank},    {"garbage", sim::SensorFault::Garbage},
        {"off-bus", sim::SensorFault::OffBus}, {"power-on", sim::SensorFault::PowerOn},
        {"frozen", sim::SensorFault::Frozen},  {"off", sim::SensorFault::None}};
    for (const auto& [word, kind] : kKinds) {
      if (rest != word) continue;
      faults.sensors[n - 1] = kind;
      return;
    }
    throw ScriptError("a sensor fault is blank, garbage, off-bus, power-on, frozen or off");
  }
  if (!rest.empty() && rest != "off") throw ScriptError("a fault is cleared with \"off\"");
  const bool on = rest.empty();
  // The faults that are one switch of the plant's.
  static constexpr std::pair<std::string_view, bool sim::Faults::*> kSwitches[] = {
      {"water", &sim::Faults::water_failed},          {"log-removed", &sim::Faults::log_removed},
      {"garbage-line", &sim::Faults::garbage_line},   {"comma", &sim::Faults::decimal_comma},
      {"logger-frozen", &sim::Faults::logger_frozen}, {"relay", &sim::Faults::stop_relay_stuck},
      {"unplug", &sim::Faults::port_unplugged}};
  for (const auto& [word, member] : kSwitches) {
    if (what != word) continue;
    faults.*member = on;
    return;
  }
  if (what == "stall" || what == "stall-revivable") {
    faults.logger_stalled = on;
    faults.restart_revives = what == "stall-revivable";
  } else if (what == "pressure-falls" || what == "pressure-rises") {
    const double drift =
        what == "pressure-falls" ? -simrun::kPressureDrift : simrun::kPressureDrift;
    faults.pressure_drift_hpa_h = on ? drift : 0;
  } else {
    throw ScriptError("no fault called \"" + std::string(what) + "\"");
  }
}

void SimCommands::advance(platform::Millis ms) {
  simrun::advance_together(rig_.controller, rig_.clock, simulation_->plant, rig_.now() + ms);
}

std::string SimCommands::quantity(std::string_view address) const {
  if (!simulation_) throw ScriptError(kNotOn);
  const std::string_view name = address.substr(kSimPrefix.size());
  auto text = simrun::quantity_text(simulation_->plant.status(),
                                    simulation_->connection.valve_openings(), name);
  if (!text) throw ScriptError("the simulated column has no \"" + std::string(name) + "\"");
  return *text;
}

void SimCommands::expect(std::string_view address, const std::string& wanted) const {
  const std::string actual = quantity(address);
  const std::optional<bool> met = simrun::quantity_matches(actual, wanted);
  if (!met) throw ScriptError("not a number or range of numbers: " + wanted);
  if (!*met)
    throw ExpectFailed(std::string(address) + " is " + form::json_quote(actual) + ", expected " +
                       form::json_quote(wanted));
}

}  // namespace kolvar::headless
