#include "alerts/live_alerts.h"

#include "alerts/alert_channels.h"
#include "alerts/alert_formats.h"

namespace kolvar::remote {

namespace {

bool same_but_temperatures(ColumnFacts a, const ColumnFacts& b) {
  a.degrees = b.degrees;
  return a == b;
}

}  // namespace

LiveAlerts::LiveAlerts(form::Controller& c, const AlertSettings& settings,
                       const platform::WallClock& wall, PortStatus port_status,
                       StatusLine status_line, DeliveryPolicy policy)
    : c_(c), settings_(settings), wall_(wall), port_status_(std::move(port_status)) {
  std::vector<std::unique_ptr<AlertChannel>> channels;
  const auto add = [&](std::unique_ptr<AlertChannel> channel, Route::Kind kind) {
    if (kind != Route::Kind::Mqtt && !platform::http_available()) {
      shown_.push_back(channel->name() + ": not in this edition");
      return;
    }
    shown_.push_back(channel->name());
    routes_.push_back({channels.size(), kind});
    channels.push_back(std::move(channel));
  };
  if (settings.push)
    add(std::make_unique<HttpChannel>("push " + shown_url(*settings.push)), Route::Kind::Push);
  if (settings.webhook)
    add(std::make_unique<HttpChannel>("webhook " + shown_url(*settings.webhook)),
        Route::Kind::Webhook);
  if (settings.telegram)
    add(std::make_unique<HttpChannel>(shown_telegram(*settings.telegram)), Route::Kind::Telegram);
  if (settings.mqtt) {
    std::string error;
    if (auto channel = MqttChannel::open(*settings.mqtt, settings.name, error)) {
      mqtt_ = channels.size();
      add(std::move(channel), Route::Kind::Mqtt);
    } else {
      shown_.push_back("mqtt " + shown_mqtt(*settings.mqtt) + ": " + error);
    }
  }
  std::optional<AlertSender::Beat> beat;
  if (settings.heartbeat && !platform::http_available()) {
    shown_.push_back("heartbeat " + shown_url(settings.heartbeat->url) + ": not in this edition");
  } else if (settings.heartbeat) {
    const std::string shown = "heartbeat " + shown_url(settings.heartbeat->url) + " every " +
                              std::to_string(settings.heartbeat->minutes) + " min";
    shown_.push_back(shown);
    beat = AlertSender::Beat{channels.size(), heartbeat_request(settings.heartbeat->url),
                             settings.heartbeat->minutes * 60'000LL};
    channels.push_back(std::make_unique<HttpChannel>(shown));
  }
  sender_ = std::make_unique<AlertSender>(
      std::move(channels), policy, platform::monotonic_ms,
      [status_line = std::move(status_line)](std::size_t, const std::string& name,
                                             const std::string& error) {
        if (status_line)
          status_line(error.empty() ? std::string()
                                    : "Оповещение не доставлено: " + name + " (" + error + ")");
      },
      std::move(beat));
  c_.after_each_event([this, alive = alive_](form::Controller&, const form::Control&) {
    if (*alive) after_event();
  });
}

LiveAlerts::~LiveAlerts() {
  *alive_ = false;
}

void LiveAlerts::after_event() {
  // Whatever goes wrong here must not reach the controller's event loop.
  try {
    const ColumnFacts facts = column_facts(c_, port_status_ ? port_status_(c_) : std::string());
    for (AlertEvent& event : watch_.next(facts)) send(std::move(event));
    if (!mqtt_) return;
    const platform::Millis now = c_.os.clock.now();
    if (last_state_ && (*last_state_ == facts || (same_but_temperatures(*last_state_, facts) &&
                                                  now - last_state_at_ < kStateEveryMs)))
      return;
    last_state_ = facts;
    last_state_at_ = now;
    sender_->post({*mqtt_, mqtt_state(settings_.name, facts, wall_.now()), true});
  } catch (const std::exception&) {
  }
}

void LiveAlerts::send(AlertEvent event) {
  event.wall = wall_.now();
  const bool chosen = settings_.events.takes(event.key);
  for (const Route& route : routes_) {
    switch (route.kind) {
      case Route::Kind::Push:
        if (chosen)
          sender_->post({route.channel, push_request(*settings_.push, settings_.name, event)});
        break;
      case Route::Kind::Webhook:
        if (chosen)
          sender_->post(
              {route.channel, webhook_request(*settings_.webhook, settings_.name, event)});
        break;
      case Route::Kind::Telegram:
        if (chosen)
          sender_->post(
              {route.channel, telegram_request(settings_.telegram_api, *settings_.telegram,
                                               settings_.name, event)});
        break;
      case Route::Kind::Mqtt:
        // Home automation gets every event and chooses for itself.
        sender_->post({route.channel, mqtt_event(settings_.name, event)});
        break;
    }
  }
}

void LiveAlerts::test_alert() {
  AlertEvent event = test_event();
  event.degrees = column_facts(c_, {}).degrees;
  send(std::move(event));
}

}  // namespace kolvar::remote
