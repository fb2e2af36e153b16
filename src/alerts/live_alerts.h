#pragma once
// The alerts of a program's run, whole: what watches the controller after
// each of its events, the channels the settings name, and the thread that
// delivers. A program makes one when its settings name a channel and keeps
// it until its controller's last event; the destructor gives what still
// waits a few seconds to go.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "alerts/alert_sender.h"
#include "alerts/alert_settings.h"
#include "alerts/alert_watch.h"
#include "form/controller.h"
#include "platform/time/wall_clock.h"

namespace kolvar::remote {

class LiveAlerts {
 public:
  // The port's words for the status line, as the program's view has them.
  using PortStatus = std::function<std::string(const form::Controller&)>;
  // A line for the window's status line, told on the delivery thread (it
  // must only post it to the window's own thread): a channel that fails
  // once, and an empty line when it works again.
  using StatusLine = std::function<void(const std::string& line)>;

  LiveAlerts(form::Controller& c, const AlertSettings& settings, const platform::WallClock& wall,
             PortStatus port_status, StatusLine status_line, DeliveryPolicy policy = {});
  ~LiveAlerts();
  LiveAlerts(const LiveAlerts&) = delete;
  LiveAlerts& operator=(const LiveAlerts&) = delete;

  // The channels as they may be shown ("push https://host/…"); the reasons
  // a channel could not be opened at all come as lines of their own.
  const std::vector<std::string>& channels() const { return shown_; }
  // A test alert on every channel, on the controller's thread.
  void test_alert();
  // Lets what waits go for at most `timeout_ms`, then ends delivery.
  void finish(platform::Millis timeout_ms) { sender_->finish(timeout_ms); }

 private:
  void after_event();
  void send(AlertEvent event);

  form::Controller& c_;
  AlertSettings settings_;
  const platform::WallClock& wall_;
  PortStatus port_status_;
  AlertWatch watch_;
  std::vector<std::string> shown_;
  // Which of the sender's channels carries what.
  struct Route {
    std::size_t channel = 0;
    enum class Kind { Push, Webhook, Telegram, Mqtt } kind = Kind::Push;
  };
  std::vector<Route> routes_;
  std::optional<std::size_t> mqtt_;
  std::optional<ColumnFacts> last_state_;
  platform::Millis last_state_at_ = 0;
  std::unique_ptr<AlertSender> sender_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The state goes to the broker at most this often while only temperatures
// change; a change of anything else goes at once.
inline constexpr platform::Millis kStateEveryMs = 10'000;

}  // namespace kolvar::remote
