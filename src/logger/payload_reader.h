#pragma once
// A reading in an MQTT message: the payload is the number itself
// ("23.125", ESPHome's state topics) or JSON holding it, found by a path of
// keys separated by dots ("DS18B20-1.Temperature" in Tasmota's SENSOR
// message). Any payload is safe to hand over; one without a number where
// the path points gives none, and so does JSON whose "TempUnit" is other
// than "C".
#include <optional>
#include <string_view>

namespace kolvar::logger {

// Payloads longer than this are not a sensor's and are not parsed.
inline constexpr std::size_t kLongestPayload = 64 * 1024;

// `path` empty: the whole payload, blanks around it allowed. Otherwise the
// JSON value at the path: a number, or a string holding one.
std::optional<int> payload_millidegrees(std::string_view payload, std::string_view path);

}  // namespace kolvar::logger
