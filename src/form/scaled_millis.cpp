#include "form/scaled_millis.h"

#include <algorithm>

namespace kolvar::form {

namespace {
constexpr std::int64_t kNanosPerMilli = 1000000;
}

ScaledMillis::ScaledMillis(platform::Millis start, Now now)
    : now_(std::move(now)), anchor_(now_()), anchor_model_(start) {}

platform::Millis ScaledMillis::operator()() const {
  const auto real = std::chrono::duration_cast<std::chrono::nanoseconds>(now_() - anchor_);
  // Whole model milliseconds reached, rounded down so that at() and this agree.
  return anchor_model_ + real.count() * speed_ / kNanosPerMilli;
}

ScaledMillis::Moment ScaledMillis::at(platform::Millis t) const {
  const std::int64_t model_nanos = (t - anchor_model_) * kNanosPerMilli;
  // Rounded up: at that moment the model has reached t, never a nanosecond short.
  const std::int64_t real_nanos =
      model_nanos >= 0 ? (model_nanos + speed_ - 1) / speed_ : model_nanos / speed_;
  return anchor_ + std::chrono::nanoseconds(real_nanos);
}

void ScaledMillis::set_speed(int speed) {
  // The new rate counts from the model millisecond reached now; the part of a
  // millisecond under way is dropped, which holds the clock for less than a
  // millisecond but never moves it back.
  const Moment now = now_();
  anchor_model_ += std::chrono::duration_cast<std::chrono::nanoseconds>(now - anchor_).count() *
                   speed_ / kNanosPerMilli;
  anchor_ = now;
  speed_ = std::max(1, speed);
}

}  // namespace kolvar::form
