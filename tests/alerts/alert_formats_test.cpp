// What each channel sends, field by field, for the services that read it.
#include "alerts/alert_formats.h"

#include <gtest/gtest.h>

#include "form/json_text.h"

namespace kolvar::remote {
namespace {

namespace chr = std::chrono;

AlertEvent tank_stop() {
  AlertEvent e = stop_event("Достигнут предел температуры бака");
  e.degrees = {78.25, 79.5, std::nullopt, 25};
  e.wall = chr::local_days{chr::year{2024} / 3 / 5} + chr::hours{10} + chr::seconds{7};
  return e;
}

std::string header(const platform::HttpRequest& r, const std::string& name) {
  for (const auto& [n, v] : r.headers)
    if (n == name) return v;
  return "(none)";
}

TEST(AlertFormats, StopKeysAndTexts) {
  struct Case {
    const char* reason;
    const char* key;
    const char* text;
  };
  const Case cases[] = {
      {"Перегрев", "system_stop.overheat", "Система остановлена: Перегрев"},
      {"Достигнут предел температуры бака", "system_stop.tank_limit", nullptr},
      {"Перегрев холодильника", "system_stop.cooler_overheat", nullptr},
      {"Аварийный перегрев\r\nБак", "system_stop.emergency_overheat",
       "Система остановлена: Аварийный перегрев Бак"},
      {"В логе темп-кипера не меняется время показаний", "system_stop.logger_stalled", nullptr},
      {"Остановлено пользователем", "system_stop.operator", nullptr},
      {"Остановлено пользователем (удалённо)", "system_stop.remote", nullptr},
      {"что-то новое", "system_stop.other", nullptr},
      {"", "system_stop.other", nullptr},
  };
  for (const Case& c : cases) {
    const AlertEvent e = stop_event(c.reason);
    EXPECT_EQ(e.key, c.key) << c.reason;
    if (c.text) {
      EXPECT_EQ(e.text, c.text);
    }
    EXPECT_EQ(e.reason, c.reason);
  }
  for (const std::string& key : known_alert_keys()) EXPECT_NO_THROW(EventFilter::parse(key)) << key;
}

TEST(AlertFormats, PushIsPlainTextWithItsHeaders) {
  const auto r = push_request("https://push.example/still", "kolvar", tank_stop());
  EXPECT_EQ(r.url, "https://push.example/still");
  EXPECT_EQ(r.body, "Система остановлена: Достигнут предел температуры бака");
  EXPECT_EQ(r.content_type, "text/plain; charset=utf-8");
  EXPECT_EQ(header(r, "Title"), "Kolvar");
  EXPECT_EQ(header(r, "Priority"), "urgent");
  EXPECT_EQ(header(r, "X-Kolvar-Event"), "system_stop.tank_limit");
  const auto started = push_request("u", "still-2", run_started_event());
  EXPECT_EQ(header(started, "Title"), "Kolvar still-2");
  EXPECT_NE(header(started, "Priority"), "urgent");
  for (const auto& [name, value] : r.headers)
    for (char ch : value) EXPECT_LT(static_cast<unsigned char>(ch), 128) << name;
}

TEST(AlertFormats, WebhookAndTelegramJson) {
  EXPECT_EQ(event_json("kolvar", tank_stop()),
            "{\"name\":\"kolvar\",\"event\":\"system_stop.tank_limit\",\"text\":\"Система "
            "остановлена: Достигнут предел температуры бака\",\"reason\":\"Достигнут предел "
            "температуры бака\",\"temperatures\":{\"t1\":78.25,\"t2\":79.5,\"t3\":null,\"t4\":25},"
            "\"warnings\":[],\"cooldown_minutes\":null,\"time\":\"2024-03-05T10:00:07\"}");
  const auto hook = webhook_request("https://h/x", "kolvar", tank_stop());
  EXPECT_EQ(hook.content_type, "application/json");

  const auto tg = telegram_request("https://api.telegram.org", {"123:ABC", "-42"}, "kolvar",
                                   stop_event("Перегрев\r\n\"x\""));
  EXPECT_EQ(tg.url, "https://api.telegram.org/bot123:ABC/sendMessage");
  EXPECT_EQ(tg.body,
            "{\"chat_id\":\"-42\",\"text\":\"Kolvar: Система остановлена: Перегрев \\\"x\\\"\"}");
}

TEST(AlertFormats, AStartTellsItsWarningsAndAStopItsCooldown) {
  const std::vector<std::string> warnings = {
      "Нет датчика бака: конец процесса систему не остановит", "Аварийный порог выше кипения воды"};
  const AlertEvent started = run_started_event(warnings);
  EXPECT_EQ(started.text,
            "Система запущена\nВнимание: Нет датчика бака: конец процесса систему не "
            "остановит\nВнимание: Аварийный порог выше кипения воды");
  EXPECT_EQ(run_started_event().text, "Система запущена");
  const auto push = push_request("u", "kolvar", started);
  EXPECT_EQ(push.body, started.text);
  EXPECT_EQ(header(push, "Tags"), "warning,kolvar");
  EXPECT_EQ(header(push_request("u", "kolvar", run_started_event()), "Tags"), "kolvar");
  const std::string json = event_json("kolvar", started);
  EXPECT_NE(json.find("\"text\":\"Система запущена\\nВнимание: Нет датчика бака"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"warnings\":[\"Нет датчика бака: конец процесса систему не остановит\","
                      "\"Аварийный порог выше кипения воды\"],\"cooldown_minutes\":null"),
            std::string::npos)
      << json;
  EXPECT_EQ(mqtt_event("kolvar", started).payload, json);

  const AlertEvent stopped = stop_event("Перегрев холодильника", 10);
  EXPECT_EQ(stopped.key, "system_stop.cooler_overheat");
  EXPECT_EQ(stopped.reason, "Перегрев холодильника");
  EXPECT_EQ(
      stopped.text,
      "Система остановлена: Перегрев холодильника\nОхлаждение остаётся включённым ещё 10 мин");
  EXPECT_NE(event_json("kolvar", stopped).find("\"warnings\":[],\"cooldown_minutes\":10,"),
            std::string::npos);
  const auto tg = telegram_request("https://api.telegram.org", {"1:A", "-4"}, "kolvar", stopped);
  EXPECT_NE(tg.body.find("Перегрев холодильника\\nОхлаждение остаётся включённым ещё 10 мин"),
            std::string::npos)
      << tg.body;
}

TEST(AlertFormats, MqttStateEventsAndDiscovery) {
  ColumnFacts f;
  f.running = true;
  f.degrees = {78.1, std::nullopt, 95, 20};
  f.takeoff = form::Takeoff::Vapour;
  f.valve_open = true;
  const auto wall = chr::local_days{chr::year{2024} / 3 / 5} + chr::hours{10};
  const auto state = mqtt_state("c1", f, wall);
  EXPECT_EQ(state.topic, "kolvar/c1/state");
  EXPECT_TRUE(state.retain);
  EXPECT_EQ(state.payload,
            "{\"running\":true,\"stopped\":false,\"stop_reason\":\"\",\"t1\":78.1,\"t2\":null,"
            "\"t3\":95,\"t4\":20,\"takeoff\":\"vapour\",\"valve_open\":true,\"warnings\":[],"
            "\"cooldown_minutes\":null,\"time\":\"2024-03-05T10:00:00\"}");
  ColumnFacts cooling;
  cooling.stopped = true;
  cooling.stop_reason = "Перегрев";
  cooling.warnings = {"Аварийный порог выше кипения воды"};
  cooling.cooldown_minutes = 7;
  EXPECT_NE(
      mqtt_state_json(cooling, wall)
          .find("\"warnings\":[\"Аварийный порог выше кипения воды\"],\"cooldown_minutes\":7,"),
      std::string::npos);
  EXPECT_NE(mqtt_state_json(ColumnFacts{}, wall).find("\"takeoff\":\"none\",\"valve_open\":null"),
            std::string::npos);
  EXPECT_EQ(mqtt_event("c1", tank_stop()).topic, "kolvar/c1/event");
  EXPECT_FALSE(mqtt_event("c1", tank_stop()).retain);
  EXPECT_EQ(mqtt_availability("c1", false).payload, "offline");
  EXPECT_TRUE(mqtt_availability("c1", true).retain);

  const auto messages = discovery_messages("c1");
  ASSERT_EQ(messages.size(), 10u);
  std::vector<std::string> topics;
  for (const auto& m : messages) {
    topics.push_back(m.topic);
    EXPECT_TRUE(m.retain);
    EXPECT_NE(m.payload.find("\"state_topic\":\"kolvar/c1/state\""), std::string::npos);
    EXPECT_NE(m.payload.find("\"availability_topic\":\"kolvar/c1/availability\""),
              std::string::npos);
    EXPECT_NE(m.payload.find("\"identifiers\":[\"kolvar_c1\"]"), std::string::npos);
  }
  EXPECT_EQ(topics.front(), "homeassistant/sensor/kolvar_c1/t1/config");
  EXPECT_EQ(topics[4], "homeassistant/binary_sensor/kolvar_c1/running/config");
  EXPECT_EQ(topics[5], "homeassistant/binary_sensor/kolvar_c1/valve_open/config");
  EXPECT_EQ(topics[6], "homeassistant/sensor/kolvar_c1/takeoff/config");
  EXPECT_EQ(topics[7], "homeassistant/sensor/kolvar_c1/stop_reason/config");
  EXPECT_EQ(topics[8], "homeassistant/sensor/kolvar_c1/cooldown/config");
  EXPECT_EQ(topics[9], "homeassistant/sensor/kolvar_c1/warnings/config");
  // A sensor with a unit must always hold a number, also with no cool-down.
  EXPECT_NE(messages[8].payload.find("{{ value_json.cooldown_minutes or 0 }}"), std::string::npos);
  EXPECT_NE(messages[9].payload.find("{{ value_json.warnings | join('; ') }}"), std::string::npos);
  EXPECT_NE(messages[2].payload.find("\"name\":\"Бак\""), std::string::npos);
  EXPECT_NE(messages[2].payload.find("{{ value_json.t3 }}"), std::string::npos);
}

}  // namespace
}  // namespace kolvar::remote
