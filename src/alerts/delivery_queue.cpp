#include "alerts/delivery_queue.h"

#include <algorithm>

namespace kolvar::remote {

DeliveryQueue::DeliveryQueue(std::size_t channels, DeliveryPolicy policy)
    : policy_(policy), channels_(channels) {}

std::size_t DeliveryQueue::size() const {
  std::size_t n = 0;
  for (const Channel& ch : channels_) n += ch.letters.size();
  return n;
}

bool DeliveryQueue::drop_oldest_state() {
  Channel* oldest_channel = nullptr;
  std::deque<Waiting>::iterator oldest;
  for (Channel& ch : channels_) {
    // The head of a busy channel is on its way and stays.
    for (auto it = ch.letters.begin() + (ch.busy ? 1 : 0); it != ch.letters.end(); ++it) {
      if (!it->letter.replaceable) continue;
      if (!oldest_channel || it->added < oldest->added) {
        oldest_channel = &ch;
        oldest = it;
      }
      break;
    }
  }
  if (!oldest_channel) return false;
  oldest_channel->letters.erase(oldest);
  return true;
}

bool DeliveryQueue::add(Letter letter, platform::Millis now) {
  if (letter.channel >= channels_.size()) return false;
  Channel& ch = channels_[letter.channel];
  if (letter.replaceable && !ch.letters.empty() && ch.letters.back().letter.replaceable &&
      !(ch.busy && ch.letters.size() == 1)) {
    // Keeps its place, so a failing channel's back-off goes on.
    ch.letters.back().letter = std::move(letter);
    return true;
  }
  if (size() >= policy_.capacity && !drop_oldest_state()) return false;
  // Behind a failing head, a new letter waits for the head's turn anyway.
  ch.letters.push_back({std::move(letter), now, now, 0});
  return true;
}

std::optional<platform::Millis> DeliveryQueue::next_due(std::size_t channel) const {
  const Channel& ch = channels_.at(channel);
  if (ch.busy || ch.letters.empty()) return std::nullopt;
  return ch.letters.front().due;
}

std::optional<Letter> DeliveryQueue::take(std::size_t channel, platform::Millis now) {
  Channel& ch = channels_.at(channel);
  if (ch.busy || ch.letters.empty() || ch.letters.front().due > now) return std::nullopt;
  ch.busy = true;
  return ch.letters.front().letter;
}

void DeliveryQueue::delivered(std::size_t channel) {
  Channel& ch = channels_.at(channel);
  if (!ch.busy) return;
  ch.busy = false;
  ch.letters.pop_front();
}

DeliveryQueue::Retry DeliveryQueue::failed(std::size_t channel, platform::Millis now) {
  Channel& ch = channels_.at(channel);
  if (!ch.busy) return Retry::Later;
  ch.busy = false;
  Waiting& head = ch.letters.front();
  // A state or a heartbeat with a newer one behind it is not worth a retry.
  const bool superseded =
      head.letter.replaceable && ch.letters.size() > 1 && ch.letters[1].letter.replaceable;
  if (superseded || now - head.added >= policy_.give_up_after) {
    ch.letters.pop_front();
    return Retry::GaveUp;
  }
  ++head.failures;
  platform::Millis wait = policy_.first_retry;
  for (int i = 1; i < head.failures && wait < policy_.longest_retry; ++i) wait *= 2;
  head.due = now + std::min(wait, policy_.longest_retry);
  if (ending_) order_for_the_end(ch);
  return Retry::Later;
}

void DeliveryQueue::order_for_the_end(Channel& ch) {
  // The head of a busy channel is on its way and stays.
  std::stable_sort(ch.letters.begin() + (ch.busy ? 1 : 0), ch.letters.end(),
                   [](const Waiting& a, const Waiting& b) {
                     const bool a_failed = a.failures > 0, b_failed = b.failures > 0;
                     if (a_failed != b_failed) return b_failed;
                     return a_failed && a.due < b.due;
                   });
}

void DeliveryQueue::end() {
  ending_ = true;
  for (Channel& ch : channels_) order_for_the_end(ch);
}

bool DeliveryQueue::gives_way(std::size_t channel) const {
  const Channel& ch = channels_.at(channel);
  if (!ending_ || !ch.busy || ch.letters.front().failures == 0) return false;
  return std::any_of(ch.letters.begin() + 1, ch.letters.end(),
                     [](const Waiting& w) { return w.failures == 0; });
}

}  // namespace kolvar::remote
