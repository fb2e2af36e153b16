#include "web/state_json.h"

#include <cmath>
#include <cstdio>

#include "form/json_text.h"
#include "form/setting_table.h"
#include "platform/time/wall_clock.h"

namespace kolvar::remote {

namespace {

using form::json_quote;

std::string number(double value) {
  return form::json_number(value);
}

std::string colour(form::Color c) {
  char text[16];
  std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", c.r & 0xff, c.g & 0xff, c.b & 0xff);
  return text;
}

const char* takeoff_key(record::Takeoff t) {
  switch (t) {
    case record::Takeoff::Liquid:
      return "liquid";
    case record::Takeoff::Vapour:
      return "vapour";
    case record::Takeoff::Pwm:
      return "pwm";
    case record::Takeoff::None:
      break;
  }
  return "none";
}

// The take-off types in our own words: the window keeps its menu's
// captions as they are, typo included ("Жидклсть"); the page spells them.
const char* takeoff_caption(record::Takeoff t) {
  switch (t) {
    case record::Takeoff::Liquid:
      return "Жидкость";
    case record::Takeoff::Vapour:
      return "Пар";
    case record::Takeoff::Pwm:
      return "Широтно-импульсное управление";
    case record::Takeoff::None:
      break;
  }
  return "Режим работы не выбран";
}

std::string role_json(const RoleView& r) {
  std::string out = "{\"name\":" + json_quote(r.name) + ",\"text\":" + json_quote(r.text);
  out += ",\"degrees\":" + (r.degrees ? number(*r.degrees) : std::string("null"));
  out += std::string(",\"enabled\":") + (r.enabled ? "true" : "false");
  out += std::string(",\"read_error\":") + (r.read_error ? "true" : "false");
  out += ",\"back\":" + colour(r.back) + ",\"fore\":" + colour(r.fore) + ",\"thresholds\":[";
  for (std::size_t i = 0; i < r.thresholds.size(); ++i) {
    if (i) out += ',';
    out += "{\"name\":" + json_quote(r.thresholds[i].name) +
           ",\"text\":" + json_quote(r.thresholds[i].text) + '}';
  }
  return out + "]}";
}

}  // namespace

std::string state_json(const PageSnapshot& s) {
  std::string out = "{\"sequence\":" + std::to_string(s.sequence);
  out += ",\"time\":" + json_quote(platform::date_time_text(s.wall));
  out += std::string(",\"running\":") + (s.running ? "true" : "false");
  out += std::string(",\"stopped\":") + (s.stopped ? "true" : "false");
  out += ",\"stop_reason\":" + json_quote(s.stop_reason);
  out += ",\"roles\":[";
  for (std::size_t r = 0; r < s.roles.size(); ++r) out += (r ? "," : "") + role_json(s.roles[r]);
  out += "],\"takeoff\":{\"type\":" + json_quote(takeoff_key(s.takeoff)) +
         ",\"caption\":" + json_quote(takeoff_caption(s.takeoff)) + '}';
  out += ",\"valve\":{\"open\":" +
         (s.valve_open ? std::string(*s.valve_open ? "true" : "false") : std::string("null")) +
         ",\"text\":" + json_quote(s.valve_text) +
         ",\"share\":" + (s.share ? std::to_string(*s.share) : std::string("null")) + '}';
  out += ",\"pins\":[";
  for (std::size_t k = 0; k < s.pins.size(); ++k) out += (k ? "," : "") + json_quote(s.pins[k]);
  out += "],\"news\":" + json_quote(s.news);
  out += ",\"warnings\":" + form::json_string_array(s.warnings);
  out += ",\"cooldown\":";
  out += s.cooldown_minutes ? "{\"minutes_left\":" + std::to_string(*s.cooldown_minutes) +
                                  ",\"text\":" + json_quote(s.cooldown_line) + '}'
                            : std::string("null");
  out += ",\"port_status\":" + json_quote(s.port_status);
  out +=
      ",\"background\":" + (s.background.empty() ? std::string("null") : json_quote(s.background));
  out += ",\"run\":{\"seen\":" + std::string(s.run_seen ? "true" : "false") +
         ",\"time_ms\":" + std::to_string(s.run_time) + ",\"cycles\":" + std::to_string(s.cycles) +
         ",\"record\":" + json_quote(s.record_file) + "}}";
  return out;
}

std::string settings_json(const std::vector<std::string>& lines) {
  std::string out = "{\"lines\":[";
  const auto line = [&](std::size_t at, const std::string& control, std::string_view meaning) {
    if (at >= lines.size()) return;
    if (at) out += ',';
    out += "{\"line\":" + std::to_string(at + 1) + ",\"control\":" + json_quote(control) +
           ",\"value\":" + json_quote(lines[at]) + ",\"meaning\":" + json_quote(meaning) + '}';
  };
  line(0, "", "the outside-edit mark: not 0 makes a running program read the file again");
  std::size_t at = 1;
  for (const form::Setting& s : form::kSettings) {
    for (int k = 0; k < s.count; ++k, ++at) {
      std::string control(s.control.text());
      if (s.first != form::kNoIndex) control += "(" + std::to_string(s.index_at(k)) + ")";
      line(at, control, s.meaning);
    }
  }
  return out + "]}";
}

}  // namespace kolvar::remote
