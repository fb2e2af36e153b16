#pragma once
// Windows wakes waiting threads on its tick, 15.6 ms unless a program asks
// for finer. While the cycle runs, width-modulated take-off switches the
// valve at exact moments, so the resolution is 1 ms then and back to the
// system's own when it stops: a finer tick costs the whole machine power.
namespace kolvar::winview {

class TimerResolution {
 public:
  TimerResolution() = default;
  ~TimerResolution();
  TimerResolution(const TimerResolution&) = delete;
  TimerResolution& operator=(const TimerResolution&) = delete;

  // Asks for 1 ms (on) or gives it back (off); repeated calls change nothing.
  void set_fine(bool on);
  bool fine() const { return fine_; }

 private:
  bool fine_ = false;
};

}  // namespace kolvar::winview
