#include "alerts/alert_watch.h"

#include "core/cooldown.h"
#include "core/start_warnings.h"
#include "core/system_stop.h"
#include "record/snapshot.h"

namespace kolvar::remote {

ColumnFacts column_facts(const form::Controller& c, std::string port_status) {
  const record::Sample sample = record::take_sample(c);
  ColumnFacts f;
  f.running = record::cycle_running(c.form);
  f.stopped = core::system_stopped(c);
  if (f.stopped) f.stop_reason = c.stop_reason();
  f.logger_restarted = c.restart_mark();
  f.port = c.port_outcome_shown;
  f.port_status = std::move(port_status);
  f.degrees = sample.degrees;
  f.takeoff = sample.takeoff;
  f.valve_open = sample.valve_open;
  f.warnings = core::run_warnings(c);
  f.cooldown_minutes = core::cooldown_minutes_left(c);
  return f;
}

std::vector<AlertEvent> AlertWatch::next(const ColumnFacts& now) {
  std::vector<AlertEvent> events;
  const ColumnFacts before = last_.value_or(ColumnFacts{});
  if (now.running && !before.running) {
    events.push_back(run_started_event(now.warnings));
    port_told_ = false;
  }
  if (now.port != form::PortOutcome::None && now.port != before.port && !port_told_) {
    events.push_back(port_failed_event(now.port_status));
    port_told_ = true;
  }
  if (now.logger_restarted && !before.logger_restarted) events.push_back(logger_restarted_event());
  // A program that starts on a stopped panel (the last run's) tells nothing.
  if (last_ && now.stopped && !before.stopped)
    events.push_back(stop_event(now.stop_reason, now.cooldown_minutes));
  for (AlertEvent& e : events) e.degrees = now.degrees;
  last_ = now;
  return events;
}

}  // namespace kolvar::remote
