#pragma once
// The channels the settings name, each behind AlertChannel: the HTTP ones
// post through the platform's client, MQTT keeps one connection up.
#include <memory>
#include <string>

#include "alerts/alert_sender.h"
#include "alerts/alert_settings.h"
#include "platform/network/mqtt_client.h"

namespace kolvar::remote {

// Posts the letter's request; a status other than 2xx is a failure.
class HttpChannel : public AlertChannel {
 public:
  explicit HttpChannel(std::string shown) : shown_(std::move(shown)) {}
  std::string name() const override { return shown_; }
  std::string send(const Letter& letter, const platform::TimeLeft& left) override;

 private:
  std::string shown_;
};

class MqttChannel : public AlertChannel {
 public:
  // Connects in the background, with `name`'s availability as the will and
  // "online" with the discovery messages at every connect. Null, with
  // `error`, when it cannot even try.
  static std::unique_ptr<MqttChannel> open(const MqttTarget& target, const std::string& name,
                                           std::string& error);
  std::string name() const override { return shown_; }
  std::string send(const Letter& letter, const platform::TimeLeft& left) override;
  void close(long timeout_ms) override;

 private:
  MqttChannel(std::unique_ptr<platform::MqttClient> client, std::string shown, std::string name)
      : client_(std::move(client)), shown_(std::move(shown)), name_(std::move(name)) {}
  std::unique_ptr<platform::MqttClient> client_;
  std::string shown_;
  std::string name_;
  bool waited_ = false;
};

}  // namespace kolvar::remote
