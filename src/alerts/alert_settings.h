#pragma once
// Where alerts go: the channels as the remote settings file and the command
// line give them. Every URL here may carry a secret (a token in its path or
// query, a password), so none is ever shown whole: shown_url() is what the
// screen, the log and the status line get.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alerts/alert_event.h"
#include "platform/network/mqtt_url.h"

namespace kolvar::remote {

struct TelegramTarget {
  std::string bot_token;  // "123456:ABC…"
  std::string chat_id;    // "-100123…" or "@channel"
  bool operator==(const TelegramTarget&) const = default;
};

using platform::MqttTarget;

struct HeartbeatTarget {
  std::string url;
  int minutes = 5;
  bool operator==(const HeartbeatTarget&) const = default;
};

inline constexpr const char* kTelegramApi = "https://api.telegram.org";

struct AlertSettings {
  std::optional<std::string> push;     // a URL that takes a plain-text POST
  std::optional<std::string> webhook;  // a URL that takes the event as JSON
  std::optional<TelegramTarget> telegram;
  std::string telegram_api = kTelegramApi;  // another server speaking the bot API
  std::optional<MqttTarget> mqtt;
  std::string name = "kolvar";  // the column's name in topics and entities
  std::optional<HeartbeatTarget> heartbeat;
  EventFilter events;
  bool any() const { return push || webhook || telegram || mqtt || heartbeat; }
  // Whether the file holds anything that only its owner may read.
  bool secret() const { return any() || telegram_api != kTelegramApi; }
  bool operator==(const AlertSettings&) const = default;
};

// Parsers of one value each; std::invalid_argument says what is wrong.
std::string parse_http_url(std::string_view text);       // http:// or https:// with a host
TelegramTarget parse_telegram(std::string_view text);    // BOT_TOKEN:CHAT_ID
HeartbeatTarget parse_heartbeat(std::string_view text);  // URL[,MINUTES]
// The broker's mqtt[s]://[user[:password]@]host[:port] and how it is shown:
// platform/network/mqtt_url.h.
using platform::parse_mqtt;
using platform::shown_mqtt;
std::string parse_alert_name(std::string_view text);  // letters, digits, '_', '-'

// Takes one line of the remote settings file when its key is an alert's:
// push, webhook, telegram, telegram-api, mqtt, name, heartbeat, events (a
// value of "off" removes a channel). False for any other key.
bool take_alert_setting(std::string_view key, std::string_view value, AlertSettings& into);
// The settings' lines for the file, with a line of comment for each.
std::string alert_settings_text(const AlertSettings& settings);

// The command line's alert options over the file's settings.
struct AlertCommandLine {
  AlertSettings given;      // the channels named on the command line
  bool test_alert = false;  // --test-alert: send one and go on
  bool any() const { return given.any(); }
};
// Takes args[i] (and its value) when it is one of --push, --webhook,
// --telegram, --mqtt, --heartbeat or --test-alert; false for any other.
bool take_alert_option(const std::vector<std::string>& args, std::size_t& i,
                       AlertCommandLine& into);
// The file's settings with each channel the command line names put over.
AlertSettings merged(AlertSettings file, const AlertSettings& command_line);

inline constexpr const char* kAlertUsage =
    "  --push URL         stop alerts as a plain-text POST (self-hosted push services)\n"
    "  --webhook URL      stop alerts as JSON\n"
    "  --telegram BOT_TOKEN:CHAT_ID  stop alerts through a Telegram bot\n"
    "  --mqtt mqtt[s]://[USER:PASSWORD@]HOST[:PORT]  the state, events and Home\n"
    "                     Assistant discovery on an MQTT broker\n"
    "  --heartbeat URL[,MINUTES]  call URL every MINUTES (5) while running\n"
    "  --test-alert       send a test alert on every channel at the start\n";

// A URL as it may be shown: scheme, host and port; anything that could hold
// a secret (user, password, path, query) is "…". "telegram" and the chat for
// a bot.
std::string shown_url(std::string_view url);
std::string shown_telegram(const TelegramTarget& target);

}  // namespace kolvar::remote
