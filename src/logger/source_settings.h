#pragma once
// The values that name the logger's sources, written the same on the
// command line and in logger.conf: a serial port, a broker topic for a
// column, the age at which a reading no longer counts.
#include <optional>
#include <string>
#include <string_view>

namespace kolvar::logger {

inline constexpr int kDefaultBaud = 9600;
inline constexpr int kMaxTimeoutSeconds = 86400;

// DEVICE[,BAUD]: "/dev/ttyUSB0", "/dev/ttyACM0,115200", "COM3".
struct SerialSetting {
  std::string device;
  int baud = kDefaultBaud;
  bool operator==(const SerialSetting&) const = default;
};

// N=TOPIC[#PATH]: the payload of TOPIC is column N's reading, the whole
// payload a number or, with PATH, the number that PATH names in its JSON
// (keys separated by dots: "DS18B20-1.Temperature").
struct TopicColumn {
  int column = 0;
  std::string topic;
  std::string path;
  bool operator==(const TopicColumn&) const = default;
};

// The parsers throw UsageError saying what is wrong; the caller puts the
// option or the line in front.
SerialSetting parse_serial_setting(std::string_view text);
TopicColumn parse_topic_column(std::string_view text);

// Whole seconds from 1 to kMaxTimeoutSeconds.
std::optional<int> parse_timeout(std::string_view text);

// The baud rates a serial port is opened at.
bool standard_baud(int baud);

}  // namespace kolvar::logger
