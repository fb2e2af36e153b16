#pragma once
// What a whole simulated run did, gathered cycle by cycle: how and when it
// ended, when the charge boiled and where the head stood at total reflux,
// what was taken off (heads, hearts and tails by the product's quality at
// each moment), how long the head kept within the tolerance of its
// threshold, how often the valve opened and the logger was restarted.
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>

#include "platform/time/clock.h"
#include "sim/mixture.h"
#include "simrun/hearts_end.h"
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
  // The take-off by its quality: tails once the hearts have ended (and from
  // the packing's first rise in the half hour that ended them) or while it
  // carries more fusel oils than kTailsLimit (per mole), heads before the
  // head has settled (ten minutes on end in its band) or while it carries
  // more light impurities than kHeadsLimit, hearts the rest.
  sim::Amount heads, hearts, tails;
  // When the hearts ended, as a distiller ends them (see hearts_end.h):
  // the packing at its threshold V(2), standing over it or holding the
  // take-off back, as the column runs out of spirit and the tails come.
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
  // The same over a controller and a plant that another world keeps (the
  // window's simulated column): `now` reads the controller's clock, and
  // `valve_openings` counts the valve's openings where something does.
  RunWatch(const form::Controller& controller, const sim::Plant& plant,
           std::function<platform::Millis()> now, std::function<long()> valve_openings = {});

  // The column at total reflux before "Старт системы": boiling since
  // `boiling_at`, the head settled at `head_celsius`.
  void total_reflux(platform::Millis boiling_at, double head_celsius);

  // Call after every control cycle (see CycleObserver).
  void after_cycle(platform::Millis at);
  // Call after an operator's command between cycles ("Стоп системы").
  void after_command();
  // The cycle timer went off: a system stop.
  bool stopped() const { return summary_.stopped; }
  bool hearts_ended() const { return summary_.hearts_ended.has_value(); }
  // As of now.
  RunSummary summary() const;

 private:
  const form::Controller& controller_;
  const sim::Plant& plant_;
  std::function<platform::Millis()> now_;
  std::function<long()> valve_openings_;
  RunSummary summary_;
  platform::Millis last_cycle_ = 0;
  sim::Amount counted_;  // the take-off already sorted into heads, hearts and tails
  bool head_reached_ = false;
  static constexpr platform::Millis kSettledMs = 10 * 60 * 1000;
  platform::Millis band_since_ = 0;
  bool head_settled_ = false;
  HeartsEnd hearts_end_;
  // The hearts of the last half hour, which turn to tails when the hearts
  // are found to have ended before them.
  std::deque<std::pair<platform::Millis, sim::Amount>> recent_hearts_;
};

// A distiller who takes no tails: presses "Стоп системы" once `watch` has
// seen the hearts end while the system runs. Returns whether it pressed.
bool stop_at_hearts_end(form::Controller& c, RunWatch& watch);

// "5:02:07" for 5 h 2 min 7 s.
std::string clock_text(platform::Millis ms);

// The summary as a few lines of text, one fact a line.
void print_summary(std::ostream& out, const RunSummary& s);

}  // namespace kolvar::simrun
