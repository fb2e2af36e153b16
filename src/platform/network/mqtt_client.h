#pragma once
// An MQTT connection kept up in the background: it reconnects by itself,
// publishes its `birth` messages and subscribes to its topics at every
// connect, and leaves a last will with the broker so that a program that
// dies is reported by the broker.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kolvar::platform {

struct MqttMessage {
  std::string topic;
  std::string payload;
  bool retain = false;
  int qos = 0;
  bool operator==(const MqttMessage&) const = default;
};

struct MqttConnection {
  std::string host;
  std::uint16_t port = 1883;
  std::string user;  // empty: none
  std::string password;
  bool tls = false;  // verified against the system's certificates
  std::string client_id;
  MqttMessage will;
  std::vector<MqttMessage> birth;
  int keepalive_seconds = 30;
  // Topics (filters, wildcards allowed) subscribed to at every connect, at
  // QoS 0; each message on them is handed to `on_message` on the client's
  // own thread, which must not block it for long.
  std::vector<std::string> subscriptions;
  std::function<void(const MqttMessage&)> on_message;
};

class MqttClient {
 public:
  virtual ~MqttClient() = default;
  // Hands the message to the connection; the reason when it cannot (not
  // connected now, refused), empty when it went.
  virtual std::string publish(const MqttMessage& message) = 0;
  // Waits at most `timeout_ms` for the connection; whether it is up.
  virtual bool wait_connected(long timeout_ms) = 0;
  // Publishes `last` in place of the will (a clean end leaves no will),
  // waits at most `timeout_ms` for what is still on its way, and disconnects.
  virtual void close(const MqttMessage& last, long timeout_ms) = 0;
};

// Starts connecting in the background. Null, with `error` set, when the
// connection cannot even be tried (TLS asked of a library built without it).
std::unique_ptr<MqttClient> mqtt_connect(const MqttConnection& connection, std::string& error);

}  // namespace kolvar::platform
