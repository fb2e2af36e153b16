#include "alerts/alert_channels.h"

#include <algorithm>

#include "alerts/alert_formats.h"
#include "platform/processes/process_id.h"

namespace kolvar::remote {

namespace {
// A connection that takes longer than this to come up at the start is
// retried by the queue like any failing channel.
constexpr platform::Millis kFirstConnectMs = 5'000;
}  // namespace

std::string HttpChannel::send(const Letter& letter, const platform::TimeLeft& left) {
  const auto* request = std::get_if<platform::HttpRequest>(&letter.body);
  if (!request) return "not an HTTP letter";
  const platform::HttpAnswer answer = platform::http_post(*request, left);
  if (!answer.error.empty()) return answer.error;
  if (!answer.ok()) return "HTTP " + std::to_string(answer.status);
  return {};
}

std::unique_ptr<MqttChannel> MqttChannel::open(const MqttTarget& target, const std::string& name,
                                               std::string& error) {
  platform::MqttConnection connection = platform::connection_to(target);
  connection.client_id = "kolvar-" + name + "-" + std::to_string(platform::current_process_id());
  connection.will = mqtt_availability(name, false);
  connection.birth = discovery_messages(name);
  connection.birth.push_back(mqtt_availability(name, true));
  auto client = platform::mqtt_connect(connection, error);
  if (!client) return nullptr;
  return std::unique_ptr<MqttChannel>(new MqttChannel(std::move(client), shown_mqtt(target), name));
}

std::string MqttChannel::send(const Letter& letter, const platform::TimeLeft& left) {
  const auto* message = std::get_if<platform::MqttMessage>(&letter.body);
  if (!message) return "not an MQTT letter";
  if (!waited_) {
    waited_ = true;
    client_->wait_connected(static_cast<long>(std::min(left(), kFirstConnectMs)));
  }
  return client_->publish(*message);
}

void MqttChannel::close(long timeout_ms) {
  client_->close(mqtt_availability(name_, false), timeout_ms);
}

}  // namespace kolvar::remote
