#include "alerts/alert_settings.h"

#include <charconv>
#include <optional>
#include <stdexcept>

#include "platform/network/mqtt_url.h"
#include "platform/network/url_parts.h"

namespace kolvar::remote {

using platform::authority_of;
using platform::host_port;
using platform::printable;
using platform::scheme_of;

namespace {

[[noreturn]] void wrong(const std::string& what) {
  throw std::invalid_argument(what);
}

}  // namespace

std::string parse_http_url(std::string_view text) {
  const auto [scheme, rest] = scheme_of(text);
  if ((scheme != "http" && scheme != "https") || !printable(text))
    wrong("an http:// or https:// URL, not \"" + shown_url(text) + "\"");
  host_port(authority_of(rest).substr(authority_of(rest).rfind('@') + 1), "the URL");
  return std::string(text);
}

TelegramTarget parse_telegram(std::string_view text) {
  // The bot's token holds a colon of its own ("123456:ABC…"); the chat is
  // after the last.
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || text.find(':') == colon || colon + 1 == text.size() ||
      !printable(text) || text.find('/') != std::string_view::npos)
    wrong("--telegram takes BOT_TOKEN:CHAT_ID (the token as the bot's maker gave it)");
  return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

HeartbeatTarget parse_heartbeat(std::string_view text) {
  HeartbeatTarget target;
  std::string_view url = text;
  if (const std::size_t comma = text.rfind(','); comma != std::string_view::npos) {
    const std::string_view minutes = text.substr(comma + 1);
    int value = 0;
    const auto [end, error] =
        std::from_chars(minutes.data(), minutes.data() + minutes.size(), value);
    if (error != std::errc{} || end != minutes.data() + minutes.size() || value < 1 || value > 1440)
      wrong("--heartbeat takes URL[,MINUTES] with MINUTES from 1 to 1440");
    target.minutes = value;
    url = text.substr(0, comma);
  }
  target.url = parse_http_url(url);
  return target;
}

std::string parse_alert_name(std::string_view text) {
  if (text.empty() || text.size() > 64) wrong("name takes 1 to 64 letters, digits, '_' or '-'");
  for (char ch : text)
    if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
          ch == '_' || ch == '-'))
      wrong("name takes letters a-z, digits, '_' or '-' (it goes into MQTT topics)");
  return std::string(text);
}

bool take_alert_setting(std::string_view key, std::string_view value, AlertSettings& into) {
  const bool off = value == "off";
  if (key == "push") {
    into.push = off ? std::nullopt : std::optional(parse_http_url(value));
  } else if (key == "webhook") {
    into.webhook = off ? std::nullopt : std::optional(parse_http_url(value));
  } else if (key == "telegram") {
    into.telegram = off ? std::nullopt : std::optional(parse_telegram(value));
  } else if (key == "telegram-api") {
    into.telegram_api = parse_http_url(value);
    while (into.telegram_api.ends_with('/')) into.telegram_api.pop_back();
  } else if (key == "mqtt") {
    into.mqtt = off ? std::nullopt : std::optional(parse_mqtt(value));
  } else if (key == "name") {
    into.name = parse_alert_name(value);
  } else if (key == "heartbeat") {
    into.heartbeat = off ? std::nullopt : std::optional(parse_heartbeat(value));
  } else if (key == "events") {
    into.events = EventFilter::parse(value);
  } else {
    return false;
  }
  return true;
}

std::string alert_settings_text(const AlertSettings& s) {
  std::string text =
      "# Alerts (see docs/alerts.md); a channel's URL may hold a secret, so this\n"
      "# file is its owner's alone. Which events go out: keys or prefixes.\n";
  text += "events = " + s.events.text() + "\n";
  if (s.push) text += "push = " + *s.push + "\n";
  if (s.webhook) text += "webhook = " + *s.webhook + "\n";
  if (s.telegram) text += "telegram = " + s.telegram->bot_token + ":" + s.telegram->chat_id + "\n";
  if (s.telegram_api != kTelegramApi) text += "telegram-api = " + s.telegram_api + "\n";
  if (s.mqtt) text += "mqtt = " + platform::mqtt_url_text(*s.mqtt) + "\n";
  if (s.name != AlertSettings{}.name) text += "name = " + s.name + "\n";
  if (s.heartbeat)
    text += "heartbeat = " + s.heartbeat->url + "," + std::to_string(s.heartbeat->minutes) + "\n";
  return text;
}

bool take_alert_option(const std::vector<std::string>& args, std::size_t& i,
                       AlertCommandLine& into) {
  const std::string& option = args[i];
  if (option == "--test-alert") {
    into.test_alert = true;
    return true;
  }
  static constexpr const char* kTaking[] = {"--push", "--webhook", "--telegram", "--mqtt",
                                            "--heartbeat"};
  bool known = false;
  for (const char* o : kTaking) known = known || option == o;
  if (!known) return false;
  if (i + 1 == args.size()) wrong(option + " takes a value");
  const std::string& value = args[++i];
  try {
    take_alert_setting(std::string_view(option).substr(2), value, into.given);
  } catch (const std::invalid_argument& e) {
    const std::string what = e.what();
    wrong(what.starts_with("--") ? what : option + ": " + what);
  }
  return true;
}

AlertSettings merged(AlertSettings file, const AlertSettings& command_line) {
  if (command_line.push) file.push = command_line.push;
  if (command_line.webhook) file.webhook = command_line.webhook;
  if (command_line.telegram) file.telegram = command_line.telegram;
  if (command_line.mqtt) file.mqtt = command_line.mqtt;
  if (command_line.heartbeat) file.heartbeat = command_line.heartbeat;
  return file;
}

std::string shown_url(std::string_view url) {
  const auto [scheme, rest] = scheme_of(url);
  std::string_view authority = authority_of(rest);
  const bool userinfo = authority.find('@') != std::string_view::npos;
  authority = authority.substr(authority.rfind('@') + 1);
  std::string shown = scheme.empty() ? std::string() : std::string(scheme) + "://";
  if (userinfo) shown += "…@";
  shown += std::string(authority);
  const std::string_view after = rest.substr(authority_of(rest).size());
  if (!after.empty() && after != "/") shown += "/…";
  return shown;
}

std::string shown_telegram(const TelegramTarget& target) {
  return "telegram (chat " + target.chat_id + ")";
}

}  // namespace kolvar::remote
