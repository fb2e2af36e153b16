#pragma once
// A broker's address as an operator writes it, for the alerts and the
// logger alike: mqtt[s]://[USER[:PASSWORD]@]HOST[:PORT], the user and
// password percent-encoded. The password is a secret: shown_mqtt() is what
// any message gets.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/network/mqtt_client.h"

namespace kolvar::platform {

struct MqttTarget {
  std::string host;
  std::uint16_t port = 1883;
  std::string user;  // empty: none
  std::string password;
  bool tls = false;
  bool operator==(const MqttTarget&) const = default;
};

// Throws std::invalid_argument, its text starting "--mqtt", saying what is
// wrong.
MqttTarget parse_mqtt(std::string_view text);

// The URL that parses back into `target`, secrets and all (for a file of
// its owner's alone).
std::string mqtt_url_text(const MqttTarget& target);

// The address with the user and password left out ("mqtt://…@host:port").
std::string shown_mqtt(const MqttTarget& target);

// A connection to `target`'s broker, as its user; what it sends and
// subscribes to is the caller's to add.
MqttConnection connection_to(const MqttTarget& target);

}  // namespace kolvar::platform
