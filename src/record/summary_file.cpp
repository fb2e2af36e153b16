#include "record/summary_file.h"

#include <charconv>
#include <cmath>
#include <map>

#include "form/text_number.h"

namespace kolvar::record {

namespace {

constexpr std::string_view kFirstLine = "kolvar run summary 1";

std::string millis(const std::optional<platform::Millis>& ms) {
  return ms ? std::to_string(*ms) : "";
}

std::string degrees(const std::optional<double>& d) {
  if (!d) return "";
  return form::decimal_text(std::round(*d * 1000) / 1000, '.');
}

// The stop's reason on one line whatever it holds.
std::string one_line(std::string text) {
  for (char& ch : text)
    if (ch == '\r' || ch == '\n') ch = ' ';
  return text;
}

template <typename T>
bool number(const std::string& text, T& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

template <typename T>
bool optional_number(const std::string& text, std::optional<T>& out) {
  if (text.empty()) return true;
  T v{};
  if (!number(text, v)) return false;
  out = v;
  return true;
}

bool flag(const std::string& text, bool& out) {
  if (text != "0" && text != "1") return false;
  out = text == "1";
  return true;
}

}  // namespace

std::string summary_text(const RunSummary& s, std::uintmax_t record_size) {
  std::string text(kFirstLine);
  auto line = [&](const char* key, const std::string& value) {
    text += std::string("\n") + key + ": " + value;
  };
  line("record_size", std::to_string(record_size));
  line("start", s.start ? platform::date_time_text(*s.start) : "");
  line("duration_ms", std::to_string(s.duration));
  line("first_open_ms", millis(s.first_open));
  line("valve_open_ms", std::to_string(s.valve_open));
  line("tank_max", degrees(s.tank_max));
  line("head_median_takeoff", degrees(s.head_median_takeoff));
  line("rows", std::to_string(s.rows));
  line("read_errors", std::to_string(s.read_errors));
  line("stopped", s.stopped ? "1" : "0");
  line("stop_reason", one_line(s.stop_reason));
  line("cut", s.cut ? "1" : "0");
  return text + "\n";
}

std::optional<RunSummary> summary_of_text(std::string_view text, std::uintmax_t record_size) {
  std::map<std::string, std::string, std::less<>> values;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (first) {
      if (line != kFirstLine) return std::nullopt;
      first = false;
      continue;
    }
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) return std::nullopt;
    values[std::string(line.substr(0, colon))] = std::string(line.substr(colon + 2));
  }
  auto value = [&](const char* key) -> const std::string* {
    const auto it = values.find(key);
    return it == values.end() ? nullptr : &it->second;
  };
  for (const char* key :
       {"record_size", "start", "duration_ms", "first_open_ms", "valve_open_ms", "tank_max",
        "head_median_takeoff", "rows", "read_errors", "stopped", "stop_reason", "cut"})
    if (!value(key)) return std::nullopt;
  std::uintmax_t size = 0;
  if (!number(*value("record_size"), size) || size != record_size) return std::nullopt;
  RunSummary s;
  if (!value("start")->empty()) {
    s.start = platform::parse_date_time(*value("start"));
    if (!s.start) return std::nullopt;
  }
  s.stop_reason = *value("stop_reason");
  const bool read = number(*value("duration_ms"), s.duration) &&
                    optional_number(*value("first_open_ms"), s.first_open) &&
                    number(*value("valve_open_ms"), s.valve_open) &&
                    optional_number(*value("tank_max"), s.tank_max) &&
                    optional_number(*value("head_median_takeoff"), s.head_median_takeoff) &&
                    number(*value("rows"), s.rows) &&
                    number(*value("read_errors"), s.read_errors) &&
                    flag(*value("stopped"), s.stopped) && flag(*value("cut"), s.cut);
  if (!read) return std::nullopt;
  return s;
}

}  // namespace kolvar::record
