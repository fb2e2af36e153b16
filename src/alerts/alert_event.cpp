#include "alerts/alert_event.h"

#include <stdexcept>

#include "core/stalled_logger.h"
#include "core/system_stop.h"

namespace kolvar::remote {

namespace {

struct KnownStop {
  std::string_view reason;
  const char* word;
};

// The reasons the controller gives, as it words them. An emergency overheat
// names its role on a second line, so it is known by its first.
constexpr KnownStop kStops[] = {
    {"Перегрев", "overheat"},
    {"Достигнут предел температуры бака", "tank_limit"},
    {"Перегрев холодильника", "cooler_overheat"},
    {"Аварийный перегрев", "emergency_overheat"},
    {core::kStalledLogReason, "logger_stalled"},
    {"Не включен датчик температуры бака", "no_tank_sensor"},
    {"в настройках t° начала снижения отбора ниже t° окончания отбора", "pwm_settings"},
    {"Остановлено пользователем", "operator"},
    {core::kRemoteStopReason, "remote"},
};

std::string one_line(std::string_view text) {
  std::string line;
  for (char ch : text) {
    if (ch == '\r') continue;
    line += ch == '\n' ? ' ' : ch;
  }
  return line;
}

AlertEvent event(std::string key, std::string text) {
  AlertEvent e;
  e.key = std::move(key);
  e.text = std::move(text);
  return e;
}

bool key_char(char ch) {
  return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '.' ||
         ch == '*';
}

}  // namespace

std::string stop_key(std::string_view reason) {
  const std::string_view first = reason.substr(0, reason.find_first_of("\r\n"));
  for (const KnownStop& stop : kStops)
    if (first == stop.reason) return std::string("system_stop.") + stop.word;
  return "system_stop.other";
}

AlertEvent stop_event(std::string_view reason, std::optional<long long> cooldown_minutes) {
  AlertEvent e = event(stop_key(reason), "Система остановлена: " + one_line(reason));
  e.reason = std::string(reason);
  if (cooldown_minutes) {
    e.text += "\nОхлаждение остаётся включённым ещё " + std::to_string(*cooldown_minutes) + " мин";
    e.cooldown_minutes = cooldown_minutes;
  }
  return e;
}

AlertEvent run_started_event(const std::vector<std::string>& warnings) {
  AlertEvent e = event(kRunStartedKey, "Система запущена");
  for (const std::string& warning : warnings) e.text += "\nВнимание: " + warning;
  e.warnings = warnings;
  return e;
}

AlertEvent logger_restarted_event() {
  return event(kLoggerRestartedKey, "Темп-кипер перезапущен: в логе не менялось время показаний");
}

AlertEvent port_failed_event(std::string_view status) {
  return event(kPortFailedKey, "Порт: " + std::string(status));
}

AlertEvent test_event() {
  return event(kTestAlertKey, "Проверка оповещений Kolvar");
}

const std::vector<std::string>& known_alert_keys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all;
    for (const KnownStop& stop : kStops) all.push_back(std::string("system_stop.") + stop.word);
    all.emplace_back("system_stop.other");
    all.emplace_back(kLoggerRestartedKey);
    all.emplace_back(kPortFailedKey);
    all.emplace_back(kRunStartedKey);
    all.emplace_back(kTestAlertKey);
    return all;
  }();
  return keys;
}

EventFilter EventFilter::parse(std::string_view list) {
  EventFilter filter;
  filter.patterns_.clear();
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    if (item.empty()) continue;
    for (char ch : item)
      if (!key_char(ch))
        throw std::invalid_argument("events takes keys such as system_stop.overheat, not \"" +
                                    std::string(item) + "\"");
    filter.patterns_.emplace_back(item);
  }
  if (filter.patterns_.empty())
    throw std::invalid_argument("events takes a list of keys, all or none");
  return filter;
}

bool EventFilter::takes(std::string_view key) const {
  // The test alert is asked for by the operator, so it always goes.
  if (key == kTestAlertKey) return true;
  for (const std::string& p : patterns_) {
    if (p == "all" || p == "*" || p == key) return true;
    if (p == "none") continue;
    if (p.back() == '*' && key.starts_with(std::string_view(p).substr(0, p.size() - 1)))
      return true;
    // A bare first part ("system_stop", "logger") takes the keys under it.
    if (key.size() > p.size() && key.starts_with(p) && key[p.size()] == '.') return true;
  }
  return false;
}

std::string EventFilter::text() const {
  std::string text;
  for (const std::string& p : patterns_) text += (text.empty() ? "" : ", ") + p;
  return text;
}

}  // namespace kolvar::remote
