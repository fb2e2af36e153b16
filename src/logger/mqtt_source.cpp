#include "logger/mqtt_source.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "logger/payload_reader.h"
#include "logger/usage_error.h"

namespace kolvar::logger {

MqttSource::MqttSource(const platform::MqttTarget& target, std::vector<TopicColumn> topics,
                       std::ostream& messages)
    : topics_(std::move(topics)), messages_(messages), shown_(platform::shown_mqtt(target)) {
  platform::MqttConnection connection = platform::connection_to(target);
  for (const TopicColumn& mapping : topics_) {
    if (std::find(connection.subscriptions.begin(), connection.subscriptions.end(),
                  mapping.topic) == connection.subscriptions.end()) {
      connection.subscriptions.push_back(mapping.topic);
    }
  }
  connection.on_message = [inbox = inbox_](const platform::MqttMessage& message) {
    if (message.payload.size() > kLongestPayload) return;
    const std::lock_guard lock(inbox->mutex);
    if (inbox->messages.size() < kMostWaitingMessages) inbox->messages.push_back(message);
  };
  std::string error;
  client_ = platform::mqtt_connect(connection, error);
  if (!client_) throw UsageError("--mqtt " + shown_ + ": " + error);
}

void MqttSource::say_connection(bool connected, platform::Millis now) {
  if (!started_) started_ = now;
  if (connected && said_ != Said::kConnected) {
    messages_ << "kolvar-logger: reading " << shown_ << '\n';
    said_ = Said::kConnected;
  } else if (!connected && said_ == Said::kConnected) {
    messages_ << "kolvar-logger: lost the broker " << shown_
              << "; its columns go blank until it is back (reconnecting by itself)\n";
    said_ = Said::kLost;
  } else if (!connected && said_ == Said::kNothing && now - *started_ >= kBrokerPatienceMs) {
    // A refused password looks the same from here: the library keeps trying.
    messages_ << "kolvar-logger: the broker " << shown_
              << " does not answer or does not let the logger in; its columns stay blank until "
                 "it does (trying by itself)\n";
    said_ = Said::kNotAnswering;
  }
}

void MqttSource::take(ColumnBoard& board, platform::Millis now, int /*wait_ms*/) {
  say_connection(client_->wait_connected(0), now);
  std::vector<platform::MqttMessage> received;
  {
    const std::lock_guard lock(inbox_->mutex);
    received.swap(inbox_->messages);
  }
  for (const platform::MqttMessage& message : received) take_message(board, topics_, message, now);
}

void take_message(ColumnBoard& board, const std::vector<TopicColumn>& topics,
                  const platform::MqttMessage& message, platform::Millis now) {
  for (const TopicColumn& mapping : topics) {
    if (mapping.topic != message.topic) continue;
    board.report(mapping.column, payload_millidegrees(message.payload, mapping.path), now);
  }
}

}  // namespace kolvar::logger
