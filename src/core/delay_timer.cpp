#include "core/delay_timer.h"

#include <cmath>
#include <string>

#include "form/text_number.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {

constexpr long long kMinuteMs = 60000;
// Far beyond any real delay, and small enough for the minutes and the
// remainder to be exact in a double.
constexpr double kLongestDelayMs = 1e15;

}  // namespace

DelaySplit split_delay(double delay_ms) {
  if (!(delay_ms >= 0 && delay_ms <= kLongestDelayMs))
    throw Failure("Недопустимая задержка охлаждения: " + form::decimal_text(delay_ms, '.') + " мс");
  // Whole milliseconds first, so a remainder is never a fraction that the
  // timer would round to an interval of 0, which never fires.
  const long long total = form::round_half_even(delay_ms);
  if (total <= kMinuteMs) return {0, total};
  const long long minutes = form::round_half_even(static_cast<double>(total) / kMinuteMs);
  const long long rest = total - minutes * kMinuteMs;
  // The nearest whole minute may lie above the delay; then one minute fewer
  // leaves a full last interval instead of a negative or empty one.
  if (rest > 0) return {minutes, rest};
  return {minutes - 1, rest + kMinuteMs};
}

void arm_delay_timer(form::Controller& c, double delay_ms) {
  const DelaySplit split = split_delay(delay_ms);
  form::Control& timer = c.c(ctl::Timer3);
  timer.set_interval(split.interval);
  c.set_minute_count(split.minutes);
}

}  // namespace kolvar::core
