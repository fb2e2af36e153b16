#pragma once
// The alerts waiting to go, channel by channel, on time given in (never
// read): each channel's letters leave in the order they came, one at a time;
// a failed one is tried again after a back-off that doubles up to a ceiling,
// until it has waited too long. A channel that fails holds up none of the
// others. The queue is bounded: a newer state replaces an older one still
// waiting, and when it is full the oldest state goes first, then the newest
// letter is refused. When the program ends, the few seconds left go first
// to the letters never tried (the stop that ended the run), then to those
// that failed before.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/http/http_post.h"
#include "platform/network/mqtt_client.h"
#include "platform/time/clock.h"

namespace kolvar::remote {

struct Letter {
  std::size_t channel = 0;
  std::variant<platform::HttpRequest, platform::MqttMessage> body;
  // A state or a heartbeat: only the newest matters.
  bool replaceable = false;
};

struct DeliveryPolicy {
  std::size_t capacity = 256;
  // One try of a letter at most.
  platform::Millis attempt = 10'000;
  platform::Millis first_retry = 2'000;
  platform::Millis longest_retry = 60'000;
  platform::Millis give_up_after = 30 * 60'000;
};

class DeliveryQueue {
 public:
  explicit DeliveryQueue(std::size_t channels, DeliveryPolicy policy = {});

  // False when the letter was refused (the queue full of events).
  bool add(Letter letter, platform::Millis now);
  // When `channel`'s next letter is due; none when it has none waiting.
  std::optional<platform::Millis> next_due(std::size_t channel) const;
  // A copy of the channel's first letter when it is due at `now`, the
  // channel then busy until delivered() or failed(); none when it is not
  // due, or the channel busy or empty.
  std::optional<Letter> take(std::size_t channel, platform::Millis now);
  bool empty(std::size_t channel) const { return channels_.at(channel).letters.empty(); }
  void delivered(std::size_t channel);
  enum class Retry { Later, GaveUp };
  // The channel's head goes again after its back-off, or is dropped.
  Retry failed(std::size_t channel, platform::Millis now);

  // The program ends: from now on, in each channel, the letters never tried
  // go first, in the order they came, then those that failed, the soonest
  // due first.
  void end();
  // Whether the channel's letter on its way is a retry that a letter never
  // tried waits behind, the program ending: its try should give way.
  bool gives_way(std::size_t channel) const;

  std::size_t size() const;
  bool empty() const { return size() == 0; }

 private:
  struct Waiting {
    Letter letter;
    platform::Millis added = 0;
    platform::Millis due = 0;
    int failures = 0;
  };
  struct Channel {
    std::deque<Waiting> letters;
    bool busy = false;
  };
  bool drop_oldest_state();
  static void order_for_the_end(Channel& ch);

  DeliveryPolicy policy_;
  std::vector<Channel> channels_;
  bool ending_ = false;
};

}  // namespace kolvar::remote
