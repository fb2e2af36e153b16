#include "platform/network/mqtt_client.h"

namespace kolvar::platform {

// Debian carries no libmosquitto for MinGW: the Windows edition has no MQTT.
std::unique_ptr<MqttClient> mqtt_connect(const MqttConnection&, std::string& error) {
  error = "MQTT is not in this edition";
  return nullptr;
}

}  // namespace kolvar::platform
