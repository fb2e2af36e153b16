#include "record/record_format.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "form/text_number.h"
#include "record/csv.h"

namespace kolvar::record {

namespace {

constexpr std::array<const char*, 4> kTakeoffNames = {"", "liquid", "vapour", "pwm"};
constexpr std::array<std::string_view, 4> kTemperatureColumns = {"T1", "T2", "T3", "T4"};

std::string seconds_text(platform::Millis ms) {
  return form::decimal_text(static_cast<double>(ms) / 1000.0, '.');
}

}  // namespace

const std::vector<std::string>& header_fields_without_marks() {
  static const std::vector<std::string> fields = {
      "wall_time", "seconds", "T1", "T2",      "T3",    "T4",        "V1",   "V2",
      "V3",        "V4",      "V5", "takeoff", "valve", "pwm_share", "port", "news"};
  return fields;
}

// The mark goes last, so every column an older record has keeps its place.
const std::vector<std::string>& header_fields() {
  static const std::vector<std::string> fields = [] {
    std::vector<std::string> all = header_fields_without_marks();
    all.emplace_back("read_error");
    return all;
  }();
  return fields;
}

std::string read_error_field(const std::array<bool, 4>& read_error) {
  std::string field;
  for (std::size_t r = 0; r < read_error.size(); ++r) {
    if (!read_error[r]) continue;
    if (!field.empty()) field += ' ';
    field += kTemperatureColumns[r];
  }
  return field;
}

std::optional<std::array<bool, 4>> read_error_of(const std::string& field) {
  std::array<bool, 4> marks{};
  std::size_t at = 0;
  while (at < field.size()) {
    const std::size_t end = std::min(field.find(' ', at), field.size());
    const std::string_view name = std::string_view(field).substr(at, end - at);
    bool known = false;
    for (std::size_t r = 0; r < marks.size(); ++r) {
      if (name != kTemperatureColumns[r]) continue;
      marks[r] = true;
      known = true;
    }
    if (!known) return std::nullopt;
    at = end + 1;
  }
  return marks;
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
  fields.push_back(read_error_field(s.read_error));
  return csv_record(fields);
}

const char* takeoff_field(Takeoff takeoff) {
  return kTakeoffNames[static_cast<std::size_t>(takeoff)];
}

}  // namespace kolvar::record
