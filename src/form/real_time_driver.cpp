#include "form/real_time_driver.h"

#include "form/virtual_clock.h"

namespace kolvar::form {

platform::Millis SteadyMillis::operator()() const {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  return duration_cast<milliseconds>(std::chrono::steady_clock::now() - origin_).count();
}

std::optional<platform::Millis> RealTimeDriver::next_due() const {
  std::optional<platform::Millis> next;
  for (const Control* t : controller_.form.timers()) {
    if (!t->on() || t->interval() == 0) continue;
    if (!next || t->due() < *next) next = t->due();
  }
  return next;
}

void RealTimeDriver::run_due() {
  const platform::Millis now = clock_.monotonic();
  const std::vector<Control*> timers = controller_.form.timers();
  for (Control* t : timers)
    if (t->on() && t->interval() > 0 && t->due() + t->interval() <= now) t->skip_missed(now);

  struct Scheduling {
    RealTimeClock& clock;
    explicit Scheduling(RealTimeClock& c) : clock(c) { clock.scheduling_ = true; }
    ~Scheduling() { clock.scheduling_ = false; }
  } scheduling(clock_);
  if (before_) {
    // One due time after another, each told first; the controller still runs
    // every timer of one moment before the next moment comes.
    while (const Control* next = next_due_timer(timers, now)) {
      const platform::Millis at = next->due();
      clock_.scheduled_.set(at);
      before_(at);
      controller_.run_timers_until(clock_.scheduled_, at);
    }
  }
  clock_.scheduled_.set(now);
  controller_.run_timers_until(clock_.scheduled_, now);
}

}  // namespace kolvar::form
