#pragma once
// What a whole simulated run did, gathered cycle by cycle: how and when it
// ended, what was taken off, how long the head kept within the tolerance of
// its threshold, how often the valve opened and the logger was restarted.
#include <iosfwd>
#include <string>

#include "platform/clock.h"
#include "sim/mixture.h"
#include "simrun/sim_world.h"

namespace kolvar::simrun {

struct RunSummary {
  platform::Millis end = 0;
  long cycles = 0;
  bool stopped = false;
  std::string stop_reason;  // the reason "СИСТЕМА ОСТАНОВЛЕНА" showed, lines joined by ", "
  // The head against V(1) / 10 ± dopusk / 10, the plant's true temperature
  // at each cycle, counted from the first cycle that found it in the band.
  double head_threshold = 0;
  double tolerance = 0;
  platform::Millis head_watched = 0;
  platform::Millis head_in_band = 0;
  long valve_openings = 0;
  int logger_restarts = 0;
  sim::Amount taken_off;
  sim::Amount charge_left;
  bool heater_on = false;  // at the end
};

class RunWatch {
 public:
  explicit RunWatch(const SimWorld& world) : world_(world) {}

  // Call after every control cycle (see CycleObserver).
  void after_cycle(platform::Millis at);
  // The cycle timer went off: a system stop.
  bool stopped() const { return summary_.stopped; }
  // As of now.
  RunSummary summary() const;

 private:
  const SimWorld& world_;
  RunSummary summary_;
  platform::Millis last_cycle_ = 0;
  bool head_reached_ = false;
};

// "5:02:07" for 5 h 2 min 7 s.
std::string clock_text(platform::Millis ms);

// The summary as a few lines of text, one fact a line.
void print_summary(std::ostream& out, const RunSummary& s);

}  // namespace kolvar::simrun
