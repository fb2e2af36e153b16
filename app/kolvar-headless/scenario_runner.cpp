#include "kolvar-headless/scenario_runner.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "form/json_text.h"
#include "form/properties.h"
#include "form/text_number.h"
#include "kolvar-headless/script_errors.h"
#include "kolvar-headless/sim_commands.h"
#include "platform/failure.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "ui/headless.h"

namespace kolvar::headless {

namespace {

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

// Runs on virtual time are dated from a fixed moment, so the records they
// leave in runs/ get the same names every time.
const platform::LocalTime kVirtualDate = std::chrono::local_days{std::chrono::year{2024} / 1 / 1};

struct Target {
  form::Control* control;
  form::PropName prop;
  std::string label;  // NAME.PROP as printed
};

class Runner {
 public:
  // With a simulated column the port's bytes are the column's business (its
  // quantities show what reached the lines), so they are not printed.
  Runner(std::ostream& out)
      : out_(out), rig_([this](platform::Millis t, const std::string& e) {
          if (sim_.attached() && e.starts_with("port ")) return;
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
    if (cmd == "simulate") return sim_.simulate(rest);
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
    } catch (const form::NoHandler& e) {
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
    } catch (const form::NoHandler& e) {
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
    if (sim_.attached()) return sim_.advance(ms);
    rig_.advance(ms);
  }

  void print(std::string_view rest) {
    if (rest.starts_with(kSimPrefix)) {
      out_ << rest << '=' << form::json_quote(sim_.quantity(rest)) << '\n';
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
    if (address.starts_with(kSimPrefix)) return sim_.expect(address, wanted);
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

  std::ostream& out_;
  ui::Headless rig_;
  platform::FollowingWallClock wall_{rig_.clock, kVirtualDate};
  record::RunRecord record_{rig_.controller, wall_, {.folder = "runs", .durable = false}};
  SimCommands sim_{rig_};
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
