#include "winview/timer_resolution.h"

#include "winview/win32.h"

namespace kolvar::winview {

namespace {
constexpr UINT kFineMs = 1;
}  // namespace

TimerResolution::~TimerResolution() {
  set_fine(false);
}

void TimerResolution::set_fine(bool on) {
  if (on == fine_) return;
  // A refusal leaves the system's tick: edges are then late, never lost.
  if (on)
    fine_ = timeBeginPeriod(kFineMs) == TIMERR_NOERROR;
  else {
    timeEndPeriod(kFineMs);
    fine_ = false;
  }
}

}  // namespace kolvar::winview
