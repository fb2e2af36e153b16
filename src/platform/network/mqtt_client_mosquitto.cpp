// libmosquitto, with its own network thread; the same on Linux and Windows.
#include "platform/network/mqtt_client.h"

#include <mosquitto.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kolvar::platform {

namespace {

class MosquittoClient : public MqttClient {
 public:
  explicit MosquittoClient(const MqttConnection& connection)
      : birth_(connection.birth),
        subscriptions_(connection.subscriptions),
        on_message_(connection.on_message),
        m_(mosquitto_new(connection.client_id.empty() ? nullptr : connection.client_id.c_str(),
                         true, this)) {}

  ~MosquittoClient() override {
    if (!m_) return;
    if (started_) {
      mosquitto_disconnect(m_);
      mosquitto_loop_stop(m_, false);
    }
    mosquitto_destroy(m_);
  }
  MosquittoClient(const MosquittoClient&) = delete;
  MosquittoClient& operator=(const MosquittoClient&) = delete;

  std::string start(const MqttConnection& c) {
    if (!m_) return "no MQTT client could be made";
    mosquitto_connect_callback_set(m_, on_connect);
    mosquitto_disconnect_callback_set(m_, on_disconnect);
    mosquitto_publish_callback_set(m_, on_publish);
    mosquitto_message_callback_set(m_, on_message);
    if (!c.user.empty()) {
      const int rc = mosquitto_username_pw_set(m_, c.user.c_str(),
                                               c.password.empty() ? nullptr : c.password.c_str());
      if (rc != MOSQ_ERR_SUCCESS) return mosquitto_strerror(rc);
    }
    if (c.tls) {
      const int rc = mosquitto_tls_set(m_, nullptr, "/etc/ssl/certs", nullptr, nullptr, nullptr);
      // A libmosquitto built without TLS (the Windows edition's: it would
      // need OpenSSL cross-built as well) refuses here, before any connect.
      if (rc == MOSQ_ERR_NOT_SUPPORTED) return "mqtts:// (TLS) is not in this edition";
      if (rc != MOSQ_ERR_SUCCESS) return std::string("TLS: ") + mosquitto_strerror(rc);
    }
    const MqttMessage& will = c.will;
    if (!will.topic.empty()) {
      const int rc =
          mosquitto_will_set(m_, will.topic.c_str(), static_cast<int>(will.payload.size()),
                             will.payload.data(), will.qos, will.retain);
      if (rc != MOSQ_ERR_SUCCESS) return mosquitto_strerror(rc);
    }
    mosquitto_reconnect_delay_set(m_, 1, 30, true);
    // A broker not up yet is not an error here: the network thread keeps
    // trying, and publish says "not connected" meanwhile.
    mosquitto_connect_async(m_, c.host.c_str(), c.port, c.keepalive_seconds);
    const int rc = mosquitto_loop_start(m_);
    if (rc != MOSQ_ERR_SUCCESS) return mosquitto_strerror(rc);
    started_ = true;
    return {};
  }

  std::string publish(const MqttMessage& message) override {
    {
      const std::lock_guard lock(mutex_);
      if (!connected_) return "not connected to the broker";
    }
    return send(message);
  }

  bool wait_connected(long timeout_ms) override {
    std::unique_lock lock(mutex_);
    return settled_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                             [this] { return connected_; });
  }

  void close(const MqttMessage& last, long timeout_ms) override {
    if (!started_) return;
    bool connected = false;
    {
      const std::lock_guard lock(mutex_);
      connected = connected_;
    }
    if (connected) send(last);
    std::unique_lock lock(mutex_);
    settled_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                      [this] { return in_flight_ == 0 || !connected_; });
    lock.unlock();
    mosquitto_disconnect(m_);
    mosquitto_loop_stop(m_, false);
    started_ = false;
  }

 private:
  std::string send(const MqttMessage& message) {
    {
      const std::lock_guard lock(mutex_);
      ++in_flight_;
    }
    const int rc = mosquitto_publish(m_, nullptr, message.topic.c_str(),
                                     static_cast<int>(message.payload.size()),
                                     message.payload.data(), message.qos, message.retain);
    if (rc == MOSQ_ERR_SUCCESS) return {};
    const std::lock_guard lock(mutex_);
    --in_flight_;
    return mosquitto_strerror(rc);
  }

  static void on_connect(mosquitto*, void* self, int rc) {
    auto* client = static_cast<MosquittoClient*>(self);
    if (rc != 0) return;  // refused (a wrong password): the thread tries again
    {
      const std::lock_guard lock(client->mutex_);
      client->connected_ = true;
      client->in_flight_ = 0;
    }
    for (const MqttMessage& message : client->birth_) client->send(message);
    // A clean session forgets them at a disconnect: each connect asks anew.
    for (const std::string& topic : client->subscriptions_) {
      mosquitto_subscribe(client->m_, nullptr, topic.c_str(), 0);
    }
    client->settled_.notify_all();
  }

  static void on_disconnect(mosquitto*, void* self, int) {
    auto* client = static_cast<MosquittoClient*>(self);
    {
      const std::lock_guard lock(client->mutex_);
      client->connected_ = false;
    }
    client->settled_.notify_all();
  }

  static void on_publish(mosquitto*, void* self, int) {
    auto* client = static_cast<MosquittoClient*>(self);
    {
      const std::lock_guard lock(client->mutex_);
      if (client->in_flight_ > 0) --client->in_flight_;
    }
    client->settled_.notify_all();
  }

  static void on_message(mosquitto*, void* self, const mosquitto_message* message) {
    auto* client = static_cast<MosquittoClient*>(self);
    if (!client->on_message_ || message->topic == nullptr) return;
    MqttMessage received;
    received.topic = message->topic;
    if (message->payloadlen > 0) {
      received.payload.assign(static_cast<const char*>(message->payload),
                              static_cast<std::size_t>(message->payloadlen));
    }
    received.retain = message->retain;
    received.qos = message->qos;
    client->on_message_(received);
  }

  const std::vector<MqttMessage> birth_;
  const std::vector<std::string> subscriptions_;
  const std::function<void(const MqttMessage&)> on_message_;
  mosquitto* m_;
  bool started_ = false;
  std::mutex mutex_;
  std::condition_variable settled_;
  bool connected_ = false;
  int in_flight_ = 0;
};

}  // namespace

std::unique_ptr<MqttClient> mqtt_connect(const MqttConnection& connection, std::string& error) {
  static std::once_flag once;
  std::call_once(once, [] { mosquitto_lib_init(); });
  auto client = std::make_unique<MosquittoClient>(connection);
  error = client->start(connection);
  if (!error.empty()) return nullptr;
  return client;
}

}  // namespace kolvar::platform
