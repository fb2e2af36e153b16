#include "platform/network/mqtt_url.h"

#include <optional>
#include <stdexcept>

#include "platform/network/url_parts.h"
#include "platform/percent_decoding.h"

namespace kolvar::platform {

namespace {

[[noreturn]] void wrong(const std::string& what) {
  throw std::invalid_argument(what);
}

// The user name or password of a broker's URL, decoded.
std::string userinfo_part(std::string_view text) {
  std::optional<std::string> decoded = percent_decoded(text);
  if (!decoded)
    wrong(
        "--mqtt: a '%' in the user name or password must start an escape such as %40 "
        "(a '%' itself is %25)");
  return std::move(*decoded);
}

}  // namespace

MqttTarget parse_mqtt(std::string_view text) {
  const auto [scheme, rest] = scheme_of(text);
  MqttTarget target;
  if (scheme == "mqtts")
    target.tls = true;
  else if (scheme != "mqtt")
    wrong("--mqtt takes mqtt://[USER:PASSWORD@]HOST[:PORT] (mqtts:// for TLS)");
  if (!printable(text)) wrong("--mqtt: the URL holds a blank or a control character");
  std::string_view authority = authority_of(rest);
  if (authority.size() != rest.size() && rest.substr(authority.size()) != "/")
    wrong("--mqtt takes no path: mqtt://[USER:PASSWORD@]HOST[:PORT]");
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    const std::string_view user = authority.substr(0, at);
    const std::size_t colon = user.find(':');
    target.user = userinfo_part(user.substr(0, colon));
    if (colon != std::string_view::npos) target.password = userinfo_part(user.substr(colon + 1));
    if (target.user.empty()) wrong("--mqtt: a password needs a user name");
    authority = authority.substr(at + 1);
  }
  const auto [host, port] = host_port(authority, "--mqtt");
  target.host = host;
  target.port = port ? port : (target.tls ? 8883 : 1883);
  return target;
}

namespace {

std::string percent_encoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
        ch == '-' || ch == '_' || ch == '.' || ch == '~') {
      out += ch;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

}  // namespace

std::string mqtt_url_text(const MqttTarget& t) {
  std::string text = t.tls ? "mqtts://" : "mqtt://";
  if (!t.user.empty()) {
    text += percent_encoded(t.user);
    if (!t.password.empty()) text += ":" + percent_encoded(t.password);
    text += "@";
  }
  const bool v6 = t.host.find(':') != std::string::npos;
  text += v6 ? "[" + t.host + "]" : t.host;
  return text + ":" + std::to_string(t.port);
}

std::string shown_mqtt(const MqttTarget& t) {
  MqttTarget shown = t;
  if (!shown.user.empty()) shown.user = "…";
  shown.password.clear();
  std::string text = mqtt_url_text(shown);
  // The encoder would have escaped the ellipsis.
  if (!t.user.empty())
    text.replace(text.find("://") + 3, text.find('@') - text.find("://") - 3, "…");
  return text;
}

MqttConnection connection_to(const MqttTarget& target) {
  MqttConnection connection;
  connection.host = target.host;
  connection.port = target.port;
  connection.user = target.user;
  connection.password = target.password;
  connection.tls = target.tls;
  return connection;
}

}  // namespace kolvar::platform
