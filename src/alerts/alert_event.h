#pragma once
// What is worth telling an operator who is not at the machine: each event has
// a stable key in English, for filters and home automation, and a short text
// in Russian as the window would say it.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/time/wall_clock.h"

namespace kolvar::remote {

inline constexpr const char* kRunStartedKey = "run.started";
inline constexpr const char* kLoggerRestartedKey = "logger.restarted";
inline constexpr const char* kPortFailedKey = "port.failed";
inline constexpr const char* kTestAlertKey = "test";

struct AlertEvent {
  std::string key;   // "system_stop.tank_limit"
  std::string text;  // "Система остановлена: Достигнут предел температуры бака"
  std::string reason;  // a stop's reason as the panel shows it; else empty
  // The four role temperatures when the event came; none where nothing reads.
  std::array<std::optional<double>, 4> degrees{};
  // A start's warnings: what the run leaves unguarded; else none.
  std::vector<std::string> warnings;
  // A stop's cool-down: the minutes the cooling stays on; else none.
  std::optional<long long> cooldown_minutes;
  platform::LocalTime wall{};
  bool operator==(const AlertEvent&) const = default;
};

// "system_stop." and a word for the reason: overheat, tank_limit,
// cooler_overheat, emergency_overheat, logger_stalled, no_tank_sensor,
// pwm_settings, operator, remote; "other" for any reason not known here.
std::string stop_key(std::string_view reason);

// The events with their texts; `reason` for stops, the port's state for a
// port failure. A stop that leaves the cooling on says for how long; a start
// says each of its warnings on a line of its own.
AlertEvent stop_event(std::string_view reason,
                      std::optional<long long> cooldown_minutes = std::nullopt);
AlertEvent run_started_event(const std::vector<std::string>& warnings = {});
AlertEvent logger_restarted_event();
AlertEvent port_failed_event(std::string_view status);
AlertEvent test_event();

// Which keys go out: a list of keys and prefixes ending in '*' (or a bare
// prefix ending in '.' or a word of the key's first part: "system_stop"
// takes every stop). "all" takes everything, "none" nothing.
class EventFilter {
 public:
  // Every stop, which is what nobody at the machine must miss.
  EventFilter() : patterns_{"system_stop"} {}
  // Throws std::invalid_argument for an empty list or a pattern with
  // characters a key never holds.
  static EventFilter parse(std::string_view list);
  bool takes(std::string_view key) const;
  std::string text() const;  // as parse takes it
  bool operator==(const EventFilter&) const = default;

 private:
  std::vector<std::string> patterns_;
};

// Every key this program sends, for the docs and the filter's check.
const std::vector<std::string>& known_alert_keys();

}  // namespace kolvar::remote
