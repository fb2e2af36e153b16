#include "simrun/run_watch.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "form/names.h"

namespace kolvar::simrun {

namespace {

std::string joined_lines(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, ", ");
  return text;
}

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string amount_text(const sim::Amount& a) {
  return fixed(a.litres(), 2) + " L at " + fixed(a.abv() * 100, 1) + " %";
}

}  // namespace

RunWatch::RunWatch(const SimWorld& world)
    : RunWatch(
          world.controller, world.plant, [&world] { return world.now(); },
          [&world] { return world.connection.valve_openings(); }) {}

RunWatch::RunWatch(const form::Controller& controller, const sim::Plant& plant,
                   std::function<platform::Millis()> now, std::function<long()> valve_openings)
    : controller_(controller),
      plant_(plant),
      now_(std::move(now)),
      valve_openings_(std::move(valve_openings)) {
  summary_.pressure_start_hpa = plant.status().pressure_hpa;
}

void RunWatch::total_reflux(platform::Millis boiling_at, double head_celsius) {
  summary_.boiling_after = boiling_at;
  summary_.head_at_total_reflux = head_celsius;
}

void RunWatch::after_cycle(platform::Millis at) {
  const form::Controller& c = controller_;
  ++summary_.cycles;
  const sim::PlantStatus plant = plant_.status();
  const double threshold = c.c(ctl::V, 1).value() / 10.0;
  const double tolerance = c.c(ctl::dopusk).value() / 10.0;
  const bool in_band = std::abs(plant.dephlegmator_celsius - threshold) <= tolerance + 1e-9;
  if (in_band) head_reached_ = true;
  // Settled: ten minutes on end in the band.
  if (!in_band) band_since_ = at;
  if (at - band_since_ >= kSettledMs) head_settled_ = true;
  summary_.packing_threshold = c.c(ctl::V, 2).value() / 10.0;

  sim::Amount fresh = plant.taken_off;
  fresh -= counted_;
  counted_ = plant.taken_off;
  if (fresh.moles() > 0) {
    const double moles = fresh.moles();
    const bool tails = summary_.hearts_ended || fresh.tails > kTailsLimit * moles;
    const bool heads = !head_settled_ || fresh.heads > kHeadsLimit * moles;
    (tails ? summary_.tails : heads ? summary_.heads : summary_.hearts) += fresh;
    if (!tails && !heads) recent_hearts_.push_back({at, fresh});
  }
  while (!recent_hearts_.empty() && at - recent_hearts_.front().first > HeartsEnd::kWindowMs)
    recent_hearts_.pop_front();
  if (head_settled_ && !summary_.hearts_ended) {
    const bool over = plant.packing_celsius > summary_.packing_threshold;
    if (const auto ended = hearts_end_.update(at, over, plant.taken_off.litres())) {
      summary_.hearts_ended = *ended;
      // What came off since the packing first rose in the window that ended
      // the hearts was tails already.
      for (const auto& [when, amount] : recent_hearts_) {
        if (when < *hearts_end_.tails_since()) continue;
        summary_.hearts -= amount;
        summary_.tails += amount;
      }
      recent_hearts_.clear();
    }
  }
  if (head_reached_) {
    const platform::Millis since_last = at - last_cycle_;
    summary_.head_watched += since_last;
    if (in_band) summary_.head_in_band += since_last;
  }
  last_cycle_ = at;
  summary_.head_threshold = threshold;
  summary_.tolerance = tolerance;
  after_command();
}

void RunWatch::after_command() {
  const form::Controller& c = controller_;
  if (!c.c(ctl::Timer1).on()) {
    summary_.stopped = true;
    summary_.stop_reason = joined_lines(c.stop_reason());
  }
}

RunSummary RunWatch::summary() const {
  RunSummary s = summary_;
  const sim::PlantStatus plant = plant_.status();
  s.end = now_();
  s.valve_openings = valve_openings_ ? valve_openings_() : 0;
  s.logger_restarts = plant.launches;
  s.taken_off = plant.taken_off;
  s.charge_left = plant.charge;
  s.pressure_end_hpa = plant.pressure_hpa;
  s.heater_on = plant.heater_on;
  return s;
}

bool stop_at_hearts_end(form::Controller& c, RunWatch& watch) {
  if (!watch.hearts_ended() || watch.stopped()) return false;
  c.click(c.c(ctl::Stop_sys_button));
  watch.after_command();
  return true;
}

std::string clock_text(platform::Millis ms) {
  const long long seconds = ms / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

void print_summary(std::ostream& out, const RunSummary& s) {
  if (s.stopped) {
    out << "ended: system stop at " << clock_text(s.end) << ": " << s.stop_reason << '\n';
  } else {
    out << "ended: time limit at " << clock_text(s.end) << ", the system still running\n";
  }
  out << "cycles: " << s.cycles << '\n';
  out << "air pressure: " << fixed(s.pressure_start_hpa, 2) << " hPa";
  if (std::abs(s.pressure_end_hpa - s.pressure_start_hpa) >= 0.005)
    out << ", at the end " << fixed(s.pressure_end_hpa, 2) << " hPa";
  out << '\n';
  if (s.boiling_after) out << "boiling after: " << clock_text(*s.boiling_after) << '\n';
  if (s.head_at_total_reflux)
    out << "head at total reflux: " << fixed(*s.head_at_total_reflux, 2) << " °C\n";
  if (s.hearts_ended)
    out << "hearts ended: " << clock_text(*s.hearts_ended) << ", the packing at "
        << fixed(s.packing_threshold, 1) << " °C\n";
  out << "taken off: " << amount_text(s.taken_off) << '\n';
  out << "heads: " << amount_text(s.heads) << '\n';
  out << "hearts: " << amount_text(s.hearts) << '\n';
  out << "tails: " << amount_text(s.tails) << '\n';
  out << "left in the pot: " << amount_text(s.charge_left) << '\n';
  const double share =
      s.head_watched > 0 ? 100.0 * static_cast<double>(s.head_in_band) / s.head_watched : 0;
  out << "head within " << fixed(s.head_threshold, 1) << " ± " << fixed(s.tolerance, 1)
      << " °C: " << clock_text(s.head_in_band) << " of " << clock_text(s.head_watched) << " ("
      << fixed(share, 1) << " %)\n";
  out << "valve openings: " << s.valve_openings << '\n';
  out << "stops: " << (s.stopped ? 1 : 0) << '\n';
  out << "logger restarts: " << s.logger_restarts << '\n';
  out << "heater at the end: " << (s.heater_on ? "on" : "off") << '\n';
}

}  // namespace kolvar::simrun
