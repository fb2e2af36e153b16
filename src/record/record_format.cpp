#include "record/record_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "form/text_number.h"
#include "record/csv.h"

namespace kolvar::record {

namespace {

constexpr std::array<const char*, 4> kTakeoffNames = {"", "liquid", "vapour", "pwm"};

std::string seconds_text(platform::Millis ms) {
  return form::decimal_text(static_cast<double>(ms) / 1000.0, '.');
}

[[noreturn]] void bad(const std::string& column, const std::string& text) {
  throw std::invalid_argument(column + " does not read: \"" + text + "\"");
}

double decimal(const std::string& column, const std::string& text) {
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) bad(column, text);
  return v;
}

long long scaled(const std::string& column, const std::string& text, double scale) {
  return std::llround(decimal(column, text) * scale);
}

std::optional<long long> optional_whole(const std::string& column, const std::string& text) {
  if (text.empty()) return std::nullopt;
  auto v = form::whole_number(text);
  if (!v) bad(column, text);
  return v;
}

}  // namespace

const std::vector<std::string>& header_fields() {
  static const std::vector<std::string> fields = {
      "wall_time", "seconds", "T1", "T2",      "T3",    "T4",        "V1",   "V2",
      "V3",        "V4",      "V5", "takeoff", "valve", "pwm_share", "port", "news"};
  return fields;
}

std::string record_opening(const std::vector<std::string>& settings_lines) {
  std::string opening;
  for (std::size_t k = 0; k < settings_lines.size(); ++k)
    opening += csv_record({kSettingsMark, std::to_string(k + 1), settings_lines[k]});
  return opening + csv_record(header_fields());
}

std::string sample_record(const Sample& s, const std::optional<std::string>& previous_news) {
  std::vector<std::string> fields = {platform::date_time_text(s.wall), seconds_text(s.since_start)};
  for (const std::string& t : s.temperatures) fields.push_back(t);
  for (int v : s.thresholds) fields.push_back(form::tenths_text(v, '.'));
  fields.push_back(kTakeoffNames[static_cast<std::size_t>(s.takeoff)]);
  fields.push_back(s.valve_open ? (*s.valve_open ? "1" : "0") : "");
  fields.push_back(s.share ? form::decimal_text(static_cast<double>(*s.share) / 1000.0, '.') : "");
  fields.push_back(s.port ? std::to_string(*s.port) : "");
  fields.push_back(previous_news == s.news ? "" : s.news);
  return csv_record(fields);
}

Sample sample_from_fields(const std::vector<std::string>& f, const std::string& previous_news) {
  const std::vector<std::string>& names = header_fields();
  if (f.size() != names.size())
    throw std::invalid_argument(std::to_string(f.size()) + " fields, not " +
                                std::to_string(names.size()));
  Sample s;
  auto wall = platform::parse_date_time(f[0]);
  if (!wall) bad(names[0], f[0]);
  s.wall = *wall;
  s.since_start = scaled(names[1], f[1], 1000);
  for (std::size_t r = 0; r < 4; ++r) s.temperatures[r] = f[2 + r];
  for (std::size_t i = 0; i < 5; ++i)
    s.thresholds[i] = static_cast<int>(scaled(names[6 + i], f[6 + i], 10));
  auto type = std::find(kTakeoffNames.begin(), kTakeoffNames.end(), f[11]);
  if (type == kTakeoffNames.end()) bad(names[11], f[11]);
  s.takeoff = static_cast<Takeoff>(type - kTakeoffNames.begin());
  if (f[12] == "1" || f[12] == "0")
    s.valve_open = f[12] == "1";
  else if (!f[12].empty())
    bad(names[12], f[12]);
  if (!f[13].empty()) s.share = scaled(names[13], f[13], 1000);
  if (auto port = optional_whole(names[14], f[14])) {
    if (*port < 0 || *port > 255) bad(names[14], f[14]);
    s.port = static_cast<int>(*port);
  }
  s.news = f[15].empty() ? previous_news : f[15];
  return s;
}

}  // namespace kolvar::record
