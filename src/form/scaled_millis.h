#pragma once
// The model's clock on real time at a rate that can change while it runs:
// model milliseconds pass `speed` times as fast as the steady clock's. Each
// change of rate starts from the model time it has reached, so the model
// clock never jumps and never goes back.
#include <chrono>
#include <functional>

#include "platform/time/clock.h"

namespace kolvar::form {

class ScaledMillis {
 public:
  using Moment = std::chrono::steady_clock::time_point;
  using Now = std::function<Moment()>;

  // Model time `start` is now; `now` reads the steady clock (a test gives its own).
  explicit ScaledMillis(platform::Millis start = 0, Now now = &std::chrono::steady_clock::now);

  platform::Millis operator()() const;
  // The first steady moment at which the model reaches `t` (in the past for
  // a time already reached), for a toolkit to wait for.
  Moment at(platform::Millis t) const;

  int speed() const { return speed_; }
  // A speed below 1 counts as 1.
  void set_speed(int speed);

 private:
  Now now_;
  Moment anchor_;
  platform::Millis anchor_model_;
  int speed_ = 1;
};

}  // namespace kolvar::form
