#pragma once
// What each channel sends, built without the network: the push service's
// POST, the webhook's JSON, the Telegram bot's request, the heartbeat's
// call, and the MQTT topics with Home Assistant's discovery messages.
#include <string>
#include <vector>

#include "alerts/alert_event.h"
#include "alerts/alert_settings.h"
#include "alerts/alert_watch.h"
#include "platform/http/http_post.h"
#include "platform/network/mqtt_client.h"

namespace kolvar::remote {

// A plain-text body with the title, priority and tags in headers, which the
// common self-hosted push services take as they are.
platform::HttpRequest push_request(const std::string& url, const std::string& name,
                                   const AlertEvent& event);
// {"name":…,"event":key,"text":…,"reason":…,"temperatures":{…},
// "warnings":[…],"cooldown_minutes":N|null,"time":…}; the "text" field is
// what chat services show of a posted JSON.
std::string event_json(const std::string& name, const AlertEvent& event);
platform::HttpRequest webhook_request(const std::string& url, const std::string& name,
                                      const AlertEvent& event);
platform::HttpRequest telegram_request(const std::string& api, const TelegramTarget& target,
                                       const std::string& name, const AlertEvent& event);
platform::HttpRequest heartbeat_request(const std::string& url);

// "kolvar/NAME/state", "…/event", "…/availability".
std::string mqtt_topic(const std::string& name, const char* leaf);
inline constexpr const char* kOnline = "online";
inline constexpr const char* kOffline = "offline";
// The state as retained JSON: running, stopped, stop_reason, t1…t4 (null
// where nothing reads), takeoff, valve_open, warnings, cooldown_minutes
// (null while no cool-down runs), time.
std::string mqtt_state_json(const ColumnFacts& facts, platform::LocalTime wall);
platform::MqttMessage mqtt_state(const std::string& name, const ColumnFacts& facts,
                                 platform::LocalTime wall);
platform::MqttMessage mqtt_event(const std::string& name, const AlertEvent& event);
platform::MqttMessage mqtt_availability(const std::string& name, bool online);
// Home Assistant's discovery messages (retained, under "homeassistant/"): the
// four temperatures, running, valve open, take-off type, stop reason, the
// cool-down's minutes and the run's warnings, all of one device read from
// the state topic.
std::vector<platform::MqttMessage> discovery_messages(const std::string& name);

}  // namespace kolvar::remote
