#include "alerts/alert_sender.h"

#include <algorithm>
#include <chrono>

namespace kolvar::remote {

namespace {
// What a program that ends gives its alerts (a stop that ended the run).
constexpr platform::Millis kFinishMs = 8'000;
constexpr platform::Millis kCloseMs = 3'000;
}  // namespace

AlertSender::AlertSender(std::vector<std::unique_ptr<AlertChannel>> channels, DeliveryPolicy policy,
                         Now now, Trouble trouble, std::optional<Beat> beat)
    : channels_(std::move(channels)),
      now_(std::move(now)),
      attempt_ms_(policy.attempt),
      trouble_(std::move(trouble)),
      beat_(std::move(beat)),
      queue_(channels_.size(), policy),
      failing_(channels_.size(), false) {
  for (std::size_t ch = 0; ch < channels_.size(); ++ch)
    threads_.emplace_back([this, ch] { run(ch); });
}

AlertSender::~AlertSender() {
  finish(kFinishMs);
}

bool AlertSender::post(Letter letter) {
  bool taken = false;
  {
    const std::lock_guard lock(mutex_);
    if (finish_by_) return false;
    taken = queue_.add(std::move(letter), now_());
  }
  changed_.notify_all();
  return taken;
}

void AlertSender::finish(platform::Millis timeout_ms) {
  {
    const std::lock_guard lock(mutex_);
    if (finished_) return;
    finished_ = true;
    finish_by_ = now_() + timeout_ms;
    queue_.end();
  }
  changed_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  for (auto& channel : channels_)
    channel->close(
        static_cast<long>(std::clamp<platform::Millis>(*finish_by_ - now_(), 0, kCloseMs)));
}

platform::Millis AlertSender::time_left(std::size_t ch, platform::Millis started) {
  const std::lock_guard lock(mutex_);
  const platform::Millis now = now_();
  platform::Millis end = started + attempt_ms_;
  if (finish_by_) {
    end = std::min(end, *finish_by_);
    // A retry of a letter that failed before gives its time to one never
    // tried (the stop behind a test that fails).
    if (queue_.gives_way(ch)) end = now;
  }
  return std::max<platform::Millis>(0, end - now);
}

bool AlertSender::wait_delivered(std::size_t count, long timeout_ms) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                           [&] { return delivered_ >= count; });
}

void AlertSender::run(std::size_t ch) {
  std::unique_lock lock(mutex_);
  const bool beats = beat_ && beat_->channel == ch;
  std::optional<platform::Millis> next_beat;
  if (beats) next_beat = now_();
  for (;;) {
    platform::Millis now = now_();
    if (finish_by_ && (queue_.empty(ch) || now >= *finish_by_)) return;
    if (next_beat && !finish_by_ && now >= *next_beat) {
      queue_.add({ch, beat_->request, true}, now);
      *next_beat += beat_->period;
      if (*next_beat <= now) next_beat = now + beat_->period;  // after a suspend
    }
    if (std::optional<Letter> letter = queue_.take(ch, now)) {
      lock.unlock();
      const std::string error =
          channels_[ch]->send(*letter, [this, ch, now] { return time_left(ch, now); });
      lock.lock();
      now = now_();
      const bool was_failing = failing_[ch];
      if (error.empty()) {
        queue_.delivered(ch);
        ++delivered_;
        failing_[ch] = false;
      } else {
        queue_.failed(ch, now);
        failing_[ch] = true;
      }
      changed_.notify_all();
      if (trouble_ && was_failing != failing_[ch]) {
        const std::string name = channels_[ch]->name();
        lock.unlock();
        trouble_(ch, name, error);
        lock.lock();
      }
      continue;
    }
    std::optional<platform::Millis> wake = queue_.next_due(ch);
    if (next_beat && !finish_by_) wake = wake ? std::min(*wake, *next_beat) : *next_beat;
    if (finish_by_) wake = wake ? std::min(*wake, *finish_by_) : *finish_by_;
    if (wake)
      changed_.wait_for(lock,
                        std::chrono::milliseconds(std::max<platform::Millis>(0, *wake - now)));
    else
      changed_.wait(lock);
  }
}

}  // namespace kolvar::remote
