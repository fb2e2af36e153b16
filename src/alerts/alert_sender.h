#pragma once
// Delivery on threads of its own, one a channel: whoever posts a letter only
// queues it under a short lock and returns, so a channel that hangs or fails
// never reaches the controller's cycle, nor holds up another channel.
// Letters go in order per channel with the queue's retries; a channel that
// starts failing is told once, and once more when it works again.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "alerts/delivery_queue.h"

namespace kolvar::remote {

class AlertChannel {
 public:
  virtual ~AlertChannel() = default;
  // How the channel is shown: never a secret.
  virtual std::string name() const = 0;
  // Sends one letter and waits for it to go, no longer than `left` says
  // (asked again while it waits: the program's end shortens a try under
  // way); the reason when it did not go.
  virtual std::string send(const Letter& letter, const platform::TimeLeft& left) = 0;
  // The program ends: whatever the channel says last, within `timeout_ms`.
  virtual void close(long /*timeout_ms*/) {}
};

class AlertSender {
 public:
  // The sender's clock (monotonic, milliseconds); read only by the sender.
  using Now = std::function<platform::Millis()>;
  // Told on the channel's thread: `error` empty when the channel works again.
  using Trouble =
      std::function<void(std::size_t channel, const std::string& name, const std::string& error)>;
  // A letter posted every `period` while the sender runs, the first at once.
  struct Beat {
    std::size_t channel = 0;
    platform::HttpRequest request;
    platform::Millis period = 0;
  };

  AlertSender(std::vector<std::unique_ptr<AlertChannel>> channels, DeliveryPolicy policy, Now now,
              Trouble trouble, std::optional<Beat> beat = std::nullopt);
  ~AlertSender();
  AlertSender(const AlertSender&) = delete;
  AlertSender& operator=(const AlertSender&) = delete;

  // Any thread; false when the queue refused it.
  bool post(Letter letter);
  // Lets what waits go for at most `timeout_ms` more, letters never tried
  // first, then ends the threads and closes the channels: no try, and no
  // close, outlasts it. The destructor does it with a few seconds.
  void finish(platform::Millis timeout_ms);

  std::size_t channel_count() const { return channels_.size(); }
  const AlertChannel& channel(std::size_t i) const { return *channels_.at(i); }
  // Waits until `count` letters in all have gone or `timeout_ms` passed.
  bool wait_delivered(std::size_t count, long timeout_ms);

 private:
  void run(std::size_t channel);
  // What a try of `channel`'s letter that began at `started` has left.
  platform::Millis time_left(std::size_t channel, platform::Millis started);

  std::vector<std::unique_ptr<AlertChannel>> channels_;
  Now now_;
  platform::Millis attempt_ms_;
  Trouble trouble_;
  std::optional<Beat> beat_;

  std::mutex mutex_;
  std::condition_variable changed_;
  DeliveryQueue queue_;
  std::vector<bool> failing_;
  std::optional<platform::Millis> finish_by_;
  std::size_t delivered_ = 0;
  bool finished_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace kolvar::remote
