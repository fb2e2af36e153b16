#pragma once
// What a whole simulated run did, gathered cycle by cycle: how and when it
// ended, when the charge boiled and where the head stood at total reflux,
// what was taken off (heads, hearts and tails by the product's quality at
// each moment), how long the head kept within the tolerance of its
// threshold, how often the valve opened and the logger was restarted.
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "sim/mixture.h"
#include "simrun/held_over.h"
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
  // The take-off by its quality: tails once the hearts have ended or while
  // it carries more fusel oils than kTailsLimit (per mole), heads before the
  // head has settled (ten minutes on end in its band) or while the take-off carries more light
  // impurities than kHeadsLimit, hearts the rest.
  sim::Amount heads, hearts, tails;
  // The hearts end, as a distiller ends them, when the packing rises over
  // its threshold V(2) once the head has settled and stays over it for ten
  // minutes on end: the column is running out of spirit and the tails are
  // coming. The time is that of the rise. A touch of V(2) from noise, the
  // re-wetting after the start or a take-off regulated on the packing falls
  // back within minutes and ends nothing.
  std::optional<platform::Millis> hearts_ended;
  double packing_threshold = 0;
  sim::Amount charge_left;
  double pressure_start_hpa = 0;
  double pressure_end_hpa = 0;
  std::optional<platform::Millis> boiling_after;
  std::optional<double> head_at_total_reflux;  // °C, the true temperature
  bool heater_on = false;                      // at the end
};

// Above these shares of heads and of tails per mole of take-off, a spirit
// is no longer hearts: about where a distiller's nose finds them.
inline constexpr double kHeadsLimit = 0.0012;
inline constexpr double kTailsLimit = 0.0005;

class RunWatch {
 public:
  explicit RunWatch(const SimWorld& world);

  // The column at total reflux before "Старт системы": boiling since
  // `boiling_at`, the head settled at `head_celsius`.
  void total_reflux(platform::Millis boiling_at, double head_celsius);

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
  sim::Amount counted_;  // the take-off already sorted into heads, hearts and tails
  bool head_reached_ = false;
  static constexpr platform::Millis kSettledMs = 10 * 60 * 1000;
  platform::Millis band_since_ = 0;
  bool head_settled_ = false;
  // The packing over V(2), and what came off while it is, sorted as if the
  // hearts went on: all tails if the packing stays up, back to its sorts if
  // it falls.
  HeldOver packing_over_{kSettledMs};
  sim::Amount pending_heads_, pending_hearts_, pending_tails_;
  void settle_pending(bool as_tails);
};

// "5:02:07" for 5 h 2 min 7 s.
std::string clock_text(platform::Millis ms);

// The summary as a few lines of text, one fact a line.
void print_summary(std::ostream& out, const RunSummary& s);

}  // namespace kolvar::simrun
