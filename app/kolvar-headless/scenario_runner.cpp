#include "kolvar-headless/scenario_runner.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "form/json_text.h"
#include "form/properties.h"
#include "form/text_number.h"
#include "platform/failure.h"
#include "sim/plant.h"
#include "simrun/one_clock.h"
#include "simrun/plant_connection.h"
#include "simrun/plant_quantities.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "ui/headless.h"

namespace kolvar::headless {

namespace {

// A mistake in the script itself: reported with its line, ends the run with 2.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An expectation that did not hold: ends the run with 1.
struct ExpectFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Splits off the first word; rest is what follows the single blank after it.
std::string_view next_word(std::string_view& line) {
  std::size_t end = line.find(' ');
  std::string_view word = line.substr(0, end);
  line = end == std::string_view::npos ? std::string_view{} : line.substr(end + 1);
  return word;
}

long long parse_number(std::string_view s) {
  if (auto v = form::whole_number(s)) return *v;
  throw ScriptError("not a number: \"" + std::string(s) + "\"");
}

struct Target {
  form::Control* control;
  form::PropName prop;
  std::string label;  // NAME.PROP as printed
};

// A simulated column on the end of the first port's cable.
struct Simulation {
  explicit Simulation(const sim::PlantSettings& settings) : plant(settings) {}
  sim::Plant plant;
  simrun::PlantConnection connection{plant};
};

constexpr std::string_view kSimPrefix = "sim.";

class Runner {
 public:
  // With a simulated column the port's bytes are the plant's business (its
  // quantities show what reached the lines), so they are not printed.
  Runner(std::ostream& out)
      : out_(out), rig_([this](platform::Millis t, const std::string& e) {
          if (simulation_ && e.starts_with("port ")) return;
          out_ << '@' << t << ' ' << e << '\n';
        }) {}

  void run(std::string_view line) {
    std::string_view rest = line;
    std::string_view cmd = next_word(rest);
    if (cmd == "start") return rig_.controller.start();
    if (cmd == "click") return click(rest);
    if (cmd == "set") return set(rest);
    if (cmd == "advance") return advance(rest);
    if (cmd == "print") return print(rest);
    if (cmd == "expect") return expect(rest);
    if (cmd == "dump") return dump();
    if (cmd == "append") return file(rest, std::ios::app);
    if (cmd == "write") return file(rest, std::ios::trunc);
    if (cmd == "remove") return remove(rest);
    if (cmd == "fail") return fail(rest);
    if (cmd == "decimal") return decimal(rest);
    if (cmd == "simulate") return simulate(rest);
    throw ScriptError("unknown command \"" + std::string(cmd) + "\"");
  }

 private:
  form::Control& control(std::string_view name) {
    form::Control* c = rig_.controller.form.find_full(name);
    if (!c) throw ScriptError("unknown control \"" + std::string(name) + "\"");
    return *c;
  }

  // NAME or NAME.PROP; a bare NAME means the main property of its kind.
  Target target(std::string_view address) {
    std::size_t close = address.rfind(')');
    std::size_t dot = address.find('.', close == std::string_view::npos ? 0 : close);
    form::Control& c = control(address.substr(0, dot));
    if (dot == std::string_view::npos) {
      form::PropName main = form::props_of(c.kind()).front();
      return {&c, main, std::string(address) + "." + std::string(main.name)};
    }
    std::string_view prop = address.substr(dot + 1);
    auto p = form::find_prop(c.kind(), prop);
    if (!p)
      throw ScriptError("unknown property \"" + std::string(prop) + "\" of " + c.full_name() +
                        " (a " + std::string(kind_name(c.kind())) + ")");
    return {&c, *p, std::string(address)};
  }

  void click(std::string_view rest) {
    form::Control& c = control(rest);
    try {
      rig_.controller.click(c);
    } catch (const form::NotBuilt& e) {
      throw ScriptError(e.what());
    }
  }

  void set(std::string_view rest) {
    std::string_view address = next_word(rest);
    std::string value(rest);
    std::size_t close = address.rfind(')');
    bool direct =
        address.find('.', close == std::string_view::npos ? 0 : close) != std::string_view::npos;
    try {
      if (direct) {
        Target t = target(address);
        set_prop_text(*t.control, t.prop.prop, value);
      } else {
        rig_.controller.edit(control(address), value);
      }
    } catch (const form::NotBuilt& e) {
      throw ScriptError(e.what());
    } catch (const Failure& e) {
      throw ScriptError(e.what());
    } catch (const std::invalid_argument& e) {
      throw ScriptError(e.what());
    } catch (const std::out_of_range& e) {
      throw ScriptError(e.what());
    }
  }

  void advance(std::string_view rest) {
    long long ms = parse_number(rest);
    if (ms < 0) throw ScriptError("time runs forward only");
    if (!simulation_) return rig_.advance(ms);
    simrun::advance_together(rig_.controller, rig_.clock, simulation_->plant, rig_.now() + ms);
  }

  void print(std::string_view rest) {
    if (rest.starts_with(kSimPrefix)) {
      out_ << rest << '=' << form::json_quote(quantity(rest)) << '\n';
      return;
    }
    Target t = target(rest);
    out_ << t.label << '=' << form::json_quote(form::prop_text(*t.control, t.prop.prop)) << '\n';
  }

  void expect(std::string_view rest) {
    std::string_view address = next_word(rest);
    std::string wanted(rest);
    if (!wanted.empty() && wanted.front() == '"') {
      auto text = form::json_unquote(wanted);
      if (!text) throw ScriptError("not a JSON string: " + wanted);
      wanted = *text;
    }
    if (address.starts_with(kSimPrefix)) return expect_quantity(address, wanted);
    Target t = target(address);
    std::string actual = form::prop_text(*t.control, t.prop.prop);
    if (actual != wanted)
      throw ExpectFailed(t.label + " is " + form::json_quote(actual) + ", expected " +
                         form::json_quote(wanted));
  }

  void dump() {
    out_ << '{';
    bool first = true;
    for (const auto& c : rig_.controller.form.controls()) {
      out_ << (first ? "" : ",") << form::json_quote(c->full_name()) << ":{";
      first = false;
      bool first_prop = true;
      for (const form::PropName& p : form::props_of(c->kind())) {
        out_ << (first_prop ? "" : ",") << form::json_quote(p.name) << ':'
             << form::json_quote(form::prop_text(*c, p.prop));
        first_prop = false;
      }
      out_ << '}';
    }
    out_ << "}\n";
  }

  void file(std::string_view rest, std::ios::openmode mode) {
    std::size_t blank = rest.find(' ');
    std::string path(rest.substr(0, blank));
    if (path.empty()) throw ScriptError("a file path is needed");
    std::ofstream f(path, std::ios::binary | std::ios::out | mode);
    if (!f) throw ScriptError("cannot write " + path);
    bool text_given = blank != std::string_view::npos;
    if (text_given || mode == std::ios::app) {
      f << (text_given ? rest.substr(blank + 1) : std::string_view{}) << "\r\n";
    }
  }

  void remove(std::string_view rest) {
    std::error_code ec;
    std::filesystem::remove(std::string(rest), ec);
    if (ec) throw ScriptError("cannot remove " + std::string(rest) + ": " + ec.message());
  }

  void fail(std::string_view rest) {
    std::string_view what = next_word(rest);
    using Mode = platform::FakePort::Mode;
    auto onoff = [&] {
      if (rest == "on") return true;
      if (rest == "off") return false;
      throw ScriptError("fail " + std::string(what) + " takes on or off");
    };
    if (what == "port1") {
      rig_.port1.set_mode(onoff() ? Mode::Fails : Mode::Works);
    } else if (what == "port2") {
      if (rest == "missing")
        rig_.port2.set_mode(Mode::Missing);
      else
        rig_.port2.set_mode(onoff() ? Mode::Fails : Mode::Works);
    } else if (what == "sound") {
      rig_.sound.fail = onoff();
    } else if (what == "launch") {
      rig_.launcher.fail = onoff();
    } else {
      throw ScriptError("nothing called \"" + std::string(what) + "\" can be made to fail");
    }
  }

  void decimal(std::string_view rest) {
    if (rest != "," && rest != ".") throw ScriptError("the decimal separator is \",\" or \".\"");
    rig_.locale.separator = rest.front();
  }

  // simulate on [LITRES STRENGTH POWER SEED] | fault ... | watchdog on|off
  void simulate(std::string_view rest) {
    std::string_view what = next_word(rest);
    if (what == "on") return simulate_on(rest);
    if (!simulation_) throw ScriptError("no simulated column: \"simulate on\" comes first");
    if (what == "fault") return simulate_fault(rest);
    if (what == "watchdog") {
      simulation_->plant.settings().watchdog = on_or_off(rest);
      return;
    }
    throw ScriptError("simulate takes on, fault or watchdog");
  }

  void simulate_on(std::string_view rest) {
    if (simulation_) throw ScriptError("the simulated column is on already");
    if (rig_.now() != 0) throw ScriptError("\"simulate on\" comes before the first advance");
    simrun::Charge charge;
    if (!rest.empty()) {
      charge.litres = decimal_number(next_word(rest));
      charge.strength = decimal_number(next_word(rest));
      charge.watts = decimal_number(next_word(rest));
      const long long seed = parse_number(rest);
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

  // water | stall | stall-revivable | relay | unplug, each [off];
  // sensor N blank|garbage|off
  void simulate_fault(std::string_view rest) {
    sim::Faults& faults = simulation_->plant.faults;
    std::string_view what = next_word(rest);
    if (what == "sensor") {
      const long long n = parse_number(next_word(rest));
      if (n < 1 || n > sim::kLogColumns) throw ScriptError("the logger has sensors 1 to 5");
      sim::SensorFault& fault = faults.sensors[n - 1];
      if (rest == "blank")
        fault = sim::SensorFault::Blank;
      else if (rest == "garbage")
        fault = sim::SensorFault::Garbage;
      else if (rest == "off")
        fault = sim::SensorFault::None;
      else
        throw ScriptError("a sensor fault is blank, garbage or off");
      return;
    }
    if (!rest.empty() && rest != "off") throw ScriptError("a fault is cleared with \"off\"");
    const bool on = rest.empty();
    if (what == "water") {
      faults.water_failed = on;
    } else if (what == "stall" || what == "stall-revivable") {
      faults.logger_stalled = on;
      faults.restart_revives = what == "stall-revivable";
    } else if (what == "relay") {
      faults.stop_relay_stuck = on;
    } else if (what == "unplug") {
      faults.port_unplugged = on;
    } else {
      throw ScriptError("no fault called \"" + std::string(what) + "\"");
    }
  }

  std::string quantity(std::string_view address) {
    if (!simulation_) throw ScriptError("no simulated column: \"simulate on\" comes first");
    std::string_view name = address.substr(kSimPrefix.size());
    auto text = simrun::quantity_text(simulation_->plant.status(),
                                      simulation_->connection.valve_openings(), name);
    if (!text) throw ScriptError("the simulated column has no \"" + std::string(name) + "\"");
    return *text;
  }

  void expect_quantity(std::string_view address, const std::string& wanted) {
    const std::string actual = quantity(address);
    const std::optional<bool> met = simrun::quantity_matches(actual, wanted);
    if (!met) throw ScriptError("not a number or range of numbers: " + wanted);
    if (!*met)
      throw ExpectFailed(std::string(address) + " is " + form::json_quote(actual) + ", expected " +
                         form::json_quote(wanted));
  }

  static bool on_or_off(std::string_view rest) {
    if (rest == "on") return true;
    if (rest == "off") return false;
    throw ScriptError("on or off, not \"" + std::string(rest) + "\"");
  }

  static double decimal_number(std::string_view s) {
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc{} || end != s.data() + s.size() || !(value >= 0))
      throw ScriptError("not a number: \"" + std::string(s) + "\"");
    return value;
  }

  std::ostream& out_;
  std::unique_ptr<Simulation> simulation_;
  ui::Headless rig_;
};

}  // namespace

int run_scenario(std::istream& script, std::ostream& out, std::ostream& err) {
  Runner runner(out);
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    try {
      runner.run(line);
    } catch (const ExpectFailed& e) {
      out << "FAIL line " << number << ": " << e.what() << '\n';
      out.flush();
      return 1;
    } catch (const ScriptError& e) {
      out.flush();
      err << "line " << number << ": " << e.what() << '\n';
      return 2;
    } catch (const std::exception& e) {
      out.flush();
      err << "line " << number << ": internal error: " << e.what() << '\n';
      return 2;
    }
  }
  out.flush();
  return 0;
}

}  // namespace kolvar::headless
