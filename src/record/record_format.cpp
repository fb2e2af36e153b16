#include "record/record_format.h"

#include <array>

#include "form/text_number.h"
#include "record/csv.h"

namespace kolvar::record {

namespace {

constexpr std::array<const char*, 4> kTakeoffNames = {"", "liquid", "vapour", "pwm"};

std::string seconds_text(platform::Millis ms) {
  return form::decimal_text(static_cast<double>(ms) / 1000.0, '.');
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
  fields.push_back(takeoff_field(s.takeoff));
  fields.push_back(s.valve_open ? (*s.valve_open ? "1" : "0") : "");
  fields.push_back(s.share ? form::decimal_text(static_cast<double>(*s.share) / 1000.0, '.') : "");
  fields.push_back(s.port ? std::to_string(*s.port) : "");
  fields.push_back(previous_news == s.news ? "" : s.news);
  return csv_record(fields);
}

const char* takeoff_field(Takeoff takeoff) {
  return kTakeoffNames[static_cast<std::size_t>(takeoff)];
}

}  // namespace kolvar::record
