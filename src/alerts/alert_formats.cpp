#include "alerts/alert_formats.h"

#include <cstdio>

#include "form/json_text.h"
#include "record/record_format.h"

namespace kolvar::remote {

namespace {

// The roles as the JSON names them, in the order of the window's rows.
constexpr const char* kRoleKeys[] = {"t1", "t2", "t3", "t4"};
constexpr const char* kRoleNames[] = {"Дефлегм", "Насадка", "Бак", "спирт на вых."};

std::string number(const std::optional<double>& degrees) {
  if (!degrees) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", *degrees);
  std::string s = text;
  // Trailing zeros say nothing the reading did not.
  while (s.ends_with('0')) s.pop_back();
  if (s.ends_with('.')) s.pop_back();
  return s;
}

std::string minutes(const std::optional<long long>& m) {
  return m ? std::to_string(*m) : "null";
}

std::string iso_time(platform::LocalTime wall) {
  std::string text = platform::date_time_text(wall);
  text[10] = 'T';
  return text;
}

std::string temperatures_json(const std::array<std::optional<double>, 4>& degrees) {
  std::string json = "{";
  for (std::size_t r = 0; r < 4; ++r) {
    if (r) json += ',';
    json += std::string("\"") + kRoleKeys[r] + "\":" + number(degrees[r]);
  }
  return json + "}";
}

bool is_stop(const AlertEvent& e) {
  return e.key.starts_with("system_stop.");
}

std::string title(const std::string& name) {
  return name == AlertSettings{}.name ? "Kolvar" : "Kolvar " + name;
}

}  // namespace

platform::HttpRequest push_request(const std::string& url, const std::string& name,
                                   const AlertEvent& event) {
  platform::HttpRequest r;
  r.url = url;
  r.body = event.text;
  // The title stays ASCII: header values in other encodings are taken
  // differently by every server; the body carries the Russian text.
  r.headers = {
      {"Title", title(name)},
      {"Priority", is_stop(event) ? "urgent" : (event.key == kTestAlertKey ? "default" : "high")},
      {"Tags", is_stop(event)           ? "rotating_light,kolvar"
               : event.warnings.empty() ? "kolvar"
                                        : "warning,kolvar"},
      {"X-Kolvar-Event", event.key}};
  return r;
}

std::string event_json(const std::string& name, const AlertEvent& event) {
  return "{\"name\":" + form::json_quote(name) + ",\"event\":" + form::json_quote(event.key) +
         ",\"text\":" + form::json_quote(event.text) +
         ",\"reason\":" + form::json_quote(event.reason) +
         ",\"temperatures\":" + temperatures_json(event.degrees) +
         ",\"warnings\":" + form::json_string_array(event.warnings) +
         ",\"cooldown_minutes\":" + minutes(event.cooldown_minutes) +
         ",\"time\":" + form::json_quote(iso_time(event.wall)) + "}";
}

platform::HttpRequest webhook_request(const std::string& url, const std::string& name,
                                      const AlertEvent& event) {
  platform::HttpRequest r;
  r.url = url;
  r.content_type = "application/json";
  r.body = event_json(name, event);
  return r;
}

platform::HttpRequest telegram_request(const std::string& api, const TelegramTarget& target,
                                       const std::string& name, const AlertEvent& event) {
  platform::HttpRequest r;
  r.url = api + "/bot" + target.bot_token + "/sendMessage";
  r.content_type = "application/json";
  r.body = "{\"chat_id\":" + form::json_quote(target.chat_id) +
           ",\"text\":" + form::json_quote(title(name) + ": " + event.text) + "}";
  return r;
}

platform::HttpRequest heartbeat_request(const std::string& url) {
  platform::HttpRequest r;
  r.url = url;
  return r;
}

std::string mqtt_topic(const std::string& name, const char* leaf) {
  return "kolvar/" + name + "/" + leaf;
}

std::string mqtt_state_json(const ColumnFacts& f, platform::LocalTime wall) {
  std::string json = "{\"running\":" + std::string(f.running ? "true" : "false") +
                     ",\"stopped\":" + (f.stopped ? "true" : "false") +
                     ",\"stop_reason\":" + form::json_quote(f.stop_reason);
  for (std::size_t r = 0; r < 4; ++r)
    json += std::string(",\"") + kRoleKeys[r] + "\":" + number(f.degrees[r]);
  const std::string takeoff = record::takeoff_field(f.takeoff);
  json += ",\"takeoff\":" + form::json_quote(takeoff.empty() ? "none" : takeoff);
  json +=
      ",\"valve_open\":" + std::string(f.valve_open ? (*f.valve_open ? "true" : "false") : "null");
  json += ",\"warnings\":" + form::json_string_array(f.warnings) +
          ",\"cooldown_minutes\":" + minutes(f.cooldown_minutes);
  return json + ",\"time\":" + form::json_quote(iso_time(wall)) + "}";
}

platform::MqttMessage mqtt_state(const std::string& name, const ColumnFacts& facts,
                                 platform::LocalTime wall) {
  return {mqtt_topic(name, "state"), mqtt_state_json(facts, wall), true, 0};
}

platform::MqttMessage mqtt_event(const std::string& name, const AlertEvent& event) {
  return {mqtt_topic(name, "event"), event_json(name, event), false, 1};
}

platform::MqttMessage mqtt_availability(const std::string& name, bool online) {
  return {mqtt_topic(name, "availability"), online ? kOnline : kOffline, true, 1};
}

std::vector<platform::MqttMessage> discovery_messages(const std::string& name) {
  // The entities' ids come from object_id (kolvar_NAME_t1, …), not from
  // their Russian names, so automations can name them.
  const std::string device_id = "kolvar_" + name;
  const std::string common =
      ",\"state_topic\":" + form::json_quote(mqtt_topic(name, "state")) +
      ",\"availability_topic\":" + form::json_quote(mqtt_topic(name, "availability")) +
      ",\"device\":{\"identifiers\":[" + form::json_quote(device_id) +
      "],\"name\":" + form::json_quote(title(name)) +
      ",\"model\":\"Kolvar\",\"sw_version\":\"" KOLVAR_VERSION "\"}}";
  const auto config = [&](const char* component, const std::string& object,
                          const std::string& fields) {
    return platform::MqttMessage{
        "homeassistant/" + std::string(component) + "/" + device_id + "/" + object + "/config",
        "{\"unique_id\":" + form::json_quote(device_id + "_" + object) +
            ",\"object_id\":" + form::json_quote(device_id + "_" + object) + "," + fields + common,
        true, 1};
  };
  std::vector<platform::MqttMessage> messages;
  for (std::size_t r = 0; r < 4; ++r)
    messages.push_back(
        config("sensor", kRoleKeys[r],
               "\"name\":" + form::json_quote(kRoleNames[r]) +
                   ",\"device_class\":\"temperature\",\"state_class\":\"measurement\","
                   "\"unit_of_measurement\":\"°C\",\"value_template\":\"{{ value_json." +
                   kRoleKeys[r] + " }}\""));
  messages.push_back(config("binary_sensor", "running",
                            "\"name\":\"Работает\",\"device_class\":\"running\","
                            "\"value_template\":\"{{ 'ON' if value_json.running else 'OFF' }}\""));
  messages.push_back(
      config("binary_sensor", "valve_open",
             "\"name\":\"Клапан открыт\",\"device_class\":\"opening\","
             "\"value_template\":\"{{ 'ON' if value_json.valve_open else 'OFF' }}\""));
  messages.push_back(config("sensor", "takeoff",
                            "\"name\":\"Отбор\",\"icon\":\"mdi:valve\","
                            "\"value_template\":\"{{ value_json.takeoff }}\""));
  messages.push_back(config("sensor", "stop_reason",
                            "\"name\":\"Причина остановки\",\"icon\":\"mdi:alert-octagon\","
                            "\"value_template\":\"{{ value_json.stop_reason }}\""));
  // A cool-down that does not run is 0 minutes, so the sensor stays a number.
  messages.push_back(config("sensor", "cooldown",
                            "\"name\":\"Охлаждение после остановки\",\"icon\":\"mdi:snowflake\","
                            "\"unit_of_measurement\":\"min\","
                            "\"value_template\":\"{{ value_json.cooldown_minutes or 0 }}\""));
  messages.push_back(config("sensor", "warnings",
                            "\"name\":\"Предупреждения\",\"icon\":\"mdi:alert\","
                            "\"value_template\":\"{{ value_json.warnings | join('; ') }}\""));
  return messages;
}

}  // namespace kolvar::remote
