#pragma once
// Readings published on an MQTT broker, each topic's payload one column's
// (payload_reader.h). The connection is kept up in the background and
// comes back by itself; the messages wait in an inbox until the loop takes
// them, so the board is only ever touched on the loop's own time. Whether
// the broker answers is said once at each change, its address always
// without the user and password.
#include <iosfwd>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "logger/source.h"
#include "logger/source_settings.h"
#include "platform/network/mqtt_client.h"
#include "platform/network/mqtt_url.h"

namespace kolvar::logger {

// A broker that has not let the logger in by this long after the start is
// said not to answer.
inline constexpr platform::Millis kBrokerPatienceMs = 5000;
// Messages waiting beyond this many are dropped: the loop is stuck.
inline constexpr std::size_t kMostWaitingMessages = 1000;

// Puts what `message` says into the board for each column its topic feeds.
// A payload without a number there (ESPHome's "nan" for a sensor that fell
// off, Tasmota's message without that sensor) is a failed read at once:
// the board tells the sensor gave nothing, rather than showing its last
// value until the timeout.
void take_message(ColumnBoard& board, const std::vector<TopicColumn>& topics,
                  const platform::MqttMessage& message, platform::Millis now);

class MqttSource : public Source {
 public:
  // Starts connecting. Throws UsageError when the connection cannot even be
  // tried (TLS asked of an edition without it).
  MqttSource(const platform::MqttTarget& target, std::vector<TopicColumn> topics,
             std::ostream& messages);

  void take(ColumnBoard& board, platform::Millis now, int wait_ms) override;
  bool listens() const override { return true; }

 private:
  struct Inbox {
    std::mutex mutex;
    std::vector<platform::MqttMessage> messages;
  };

  void say_connection(bool connected, platform::Millis now);

  std::vector<TopicColumn> topics_;
  std::ostream& messages_;
  std::string shown_;
  // Shared with the client's thread, which may outlive this object briefly.
  std::shared_ptr<Inbox> inbox_ = std::make_shared<Inbox>();
  std::unique_ptr<platform::MqttClient> client_;
  std::optional<platform::Millis> started_;
  enum class Said { kNothing, kConnected, kNotAnswering, kLost } said_ = Said::kNothing;
};

}  // namespace kolvar::logger
