#include "logger/source_settings.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "logger/config.h"
#include "logger/usage_error.h"

namespace kolvar::logger {

namespace {

constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};

std::optional<int> whole_number(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

bool has_control_or_blank(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 127; });
}

}  // namespace

bool standard_baud(int baud) {
  return std::find(std::begin(kBauds), std::end(kBauds), baud) != std::end(kBauds);
}

SerialSetting parse_serial_setting(std::string_view text) {
  SerialSetting setting;
  const std::size_t comma = text.rfind(',');
  setting.device = text.substr(0, comma);
  if (setting.device.empty()) throw UsageError("needs a device: DEVICE[,BAUD]");
  if (comma != std::string_view::npos) {
    const std::optional<int> baud = whole_number(text.substr(comma + 1));
    if (!baud || !standard_baud(*baud)) {
      throw UsageError(
          "the baud rate is one of 1200, 2400, 4800, 9600, 19200, 38400, 57600, "
          "115200, 230400, not '" +
          std::string(text.substr(comma + 1)) + "'");
    }
    setting.baud = *baud;
  }
  return setting;
}

TopicColumn parse_topic_column(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    throw UsageError("a topic without a column: write N=TOPIC[#PATH], N from 1 to " +
                     std::to_string(kColumns));
  }
  TopicColumn mapping;
  const std::optional<int> column = whole_number(text.substr(0, equals));
  if (!column || *column < 1 || *column > kColumns) {
    throw UsageError("the column before '=' is a number from 1 to " + std::to_string(kColumns));
  }
  mapping.column = *column;
  const std::string_view rest = text.substr(equals + 1);
  const std::size_t hash = rest.find('#');
  mapping.topic = rest.substr(0, hash);
  if (hash != std::string_view::npos) mapping.path = rest.substr(hash + 1);
  if (mapping.topic.empty()) throw UsageError("a column without a topic: write N=TOPIC[#PATH]");
  // One topic is one sensor's (or one device's) messages: a wildcard would
  // pour several into one column.
  if (mapping.topic.find('+') != std::string::npos || has_control_or_blank(mapping.topic)) {
    throw UsageError("the topic '" + mapping.topic +
                     "' is a plain topic, without blanks or the wildcard '+'");
  }
  if (hash != std::string_view::npos &&
      (mapping.path.empty() || mapping.path.front() == '.' || mapping.path.back() == '.' ||
       mapping.path.find("..") != std::string::npos)) {
    throw UsageError("the path after '#' names keys separated by dots, as DS18B20-1.Temperature");
  }
  return mapping;
}

std::optional<int> parse_timeout(std::string_view text) {
  const std::optional<int> value = whole_number(text);
  if (!value || *value < 1 || *value > kMaxTimeoutSeconds) return std::nullopt;
  return value;
}

}  // namespace kolvar::logger
