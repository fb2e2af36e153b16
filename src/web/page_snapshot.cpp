#include "web/page_snapshot.h"

#include "core/cooldown.h"
#include "core/start_warnings.h"
#include "core/system_stop.h"
#include "form/names.h"
#include "record/snapshot.h"

namespace kolvar::remote {

namespace {

// The row caption of each role: the cooler outlet's row is L(5).
constexpr int kRoleRow[] = {1, 2, 3, 5};

RoleView role_view(const form::Controller& c, int r, const record::Sample& sample) {
  RoleView role;
  const form::Control& label = c.c(ctl::T, r);
  role.name = c.c(ctl::L, kRoleRow[r - 1]).text();
  role.text = label.text();
  role.enabled = label.enabled();
  role.degrees = sample.degrees[static_cast<std::size_t>(r - 1)];
  role.read_error = sample.read_error[static_cast<std::size_t>(r - 1)];
  role.back = label.back_color();
  role.fore = label.fore_color();
  if (r < 4) {
    role.thresholds.push_back({"", c.c(ctl::T2, r).text()});
  } else {
    // The cooler outlet opens the coil's cooling at one threshold and stops
    // the system at the other.
    role.thresholds.push_back({c.c(ctl::L, 4).text(), c.c(ctl::T2, 5).text()});
    role.thresholds.push_back({c.c(ctl::L, 0).text(), c.c(ctl::T2, 4).text()});
  }
  return role;
}

}  // namespace

PageSnapshot take_page_snapshot(const form::Controller& c, const RunProgress& run,
                                std::string port_status,
                                std::shared_ptr<const std::vector<std::string>> settings) {
  const record::Sample sample = record::take_sample(c);
  PageSnapshot s;
  s.running = record::cycle_running(c.form);
  s.stopped = core::system_stopped(c);
  if (s.stopped) s.stop_reason = c.stop_reason();
  for (int r = 1; r <= 4; ++r) s.roles[static_cast<std::size_t>(r - 1)] = role_view(c, r, sample);
  s.takeoff = sample.takeoff;
  s.valve_open = sample.valve_open;
  s.share = sample.share;
  s.valve_text = c.c(ctl::Form1).text();
  for (int k = 0; k < 8; ++k) s.pins[static_cast<std::size_t>(k)] = c.c(ctl::pin, k).text();
  s.news = sample.news;
  s.warnings = core::run_warnings(c);
  s.cooldown_minutes = core::cooldown_minutes_left(c);
  s.cooldown_line = core::cooldown_line(c);
  s.port_status = std::move(port_status);
  s.run_seen = run.seen;
  s.run_time = run.run_time;
  s.cycles = run.cycles;
  s.record_file = run.record_file;
  std::vector<std::string> lines = record::settings_in_force(c.form);
  if (!settings || *settings != lines)
    settings = std::make_shared<const std::vector<std::string>>(std::move(lines));
  s.settings = std::move(settings);
  return s;
}

}  // namespace kolvar::remote
