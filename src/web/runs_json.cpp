#include "web/runs_json.h"

#include <cmath>
#include <cstdio>

#include "form/json_text.h"
#include "platform/time/wall_clock.h"

namespace kolvar::remote {

namespace {

using form::json_quote;

std::string number(double value) {
  return form::json_number(value);
}

std::string number(const std::optional<double>& value) {
  return value ? number(*value) : "null";
}

// Durations in seconds, as a person reads them off the page.
std::string seconds(platform::Millis ms) {
  return number(static_cast<double>(ms) / 1000.0);
}

std::string seconds(const std::optional<platform::Millis>& ms) {
  return ms ? seconds(*ms) : "null";
}

std::string run_json(const journal::RunEntry& run) {
  const record::RunSummary& s = run.summary;
  std::string out = "{\"name\":" + json_quote(run_name(run));
  out += ",\"start\":" + (s.start ? json_quote(platform::date_time_text(*s.start)) : "null");
  out += ",\"duration_s\":" + seconds(s.duration);
  out += ",\"first_open_s\":" + seconds(s.first_open);
  out += ",\"valve_open_s\":" + seconds(s.valve_open);
  out += ",\"tank_max\":" + number(s.tank_max);
  out += ",\"head_median_takeoff\":" + number(s.head_median_takeoff);
  out += ",\"rows\":" + std::to_string(s.rows);
  out += ",\"read_errors\":" + std::to_string(s.read_errors);
  out += std::string(",\"stopped\":") + (s.stopped ? "true" : "false");
  out += ",\"stop_reason\":" + json_quote(s.stop_reason);
  out += std::string(",\"cut\":") + (s.cut ? "true" : "false");
  out += ",\"note\":" + json_quote(run.note) + "}";
  return out;
}

}  // namespace

std::string run_name(const journal::RunEntry& run) {
  // As bytes: a name that is no text in the system's code page must not throw.
  const std::u8string name = run.record.filename().u8string();
  return {name.begin(), name.end()};
}

std::string runs_json(const std::vector<journal::RunEntry>& runs) {
  std::string out = "{\"runs\":[";
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (i) out += ',';
    out += run_json(runs[i]);
  }
  return out + "]}";
}

}  // namespace kolvar::remote
