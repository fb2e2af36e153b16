#include "kolvar-sim/headless_run.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <vector>

#include "alerts/live_alerts.h"
#include "desk/port_status.h"
#include "form/names.h"
#include "launch/sim_note.h"
#include "platform/failure.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "record/snapshot.h"
#include "remote/alert_plan.h"
#include "remote/live_page.h"
#include "simrun/preheat.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"
#include "simrun/sim_settings_file.h"
#include "simrun/sim_world.h"
#include "simrun/takeoff_choice.h"
#include "simrun/trace.h"

namespace kolvar::simapp {

namespace {

namespace fs = std::filesystem;

const fs::path kSettingsFile = "mytunes.log";

// Puts the settings the run is to use into the working folder and points the
// plant's logger at the paths they name.
void prepare_settings(const Options& o, sim::PlantSettings& plant) {
  if (o.settings) {
    simrun::logger_paths_in(*o.settings);  // refuses what is no settings file
    std::error_code same;
    if (!fs::equivalent(*o.settings, kSettingsFile, same)) {
      std::error_code ec;
      fs::copy_file(*o.settings, kSettingsFile, fs::copy_options::overwrite_existing, ec);
      if (ec) throw Failure("Не удалось скопировать " + *o.settings + ": " + ec.message());
    }
  }
  simrun::settle_settings_file(plant);
}

// Work that another thread (the web page's stop) hands to the run's own
// thread, which takes it between its steps and while it waits for real time.
class Inbox {
 public:
  void post(std::function<void()> work) {
    {
      const std::lock_guard lock(mutex_);
      work_.push_back(std::move(work));
    }
    arrived_.notify_one();
  }
  // Runs what came until `deadline`; at least what is there now.
  void run_until(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    do {
      std::vector<std::function<void()>> work;
      work.swap(work_);
      lock.unlock();
      for (auto& item : work) item();
      lock.lock();
    } while (arrived_.wait_until(lock, deadline, [this] { return !work_.empty(); }));
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<std::function<void()>> work_;
};

void run(const Options& o, const sim::PlantSettings& plant, std::ostream& out, std::ostream& err,
         const std::optional<remote::WebPlan>& web, const remote::AlertSettings& alert_settings) {
  simrun::Trace trace(o.trace);
  simrun::SimWorld world(plant, [&out](platform::Millis t, const std::string& event) {
    out << '@' << simrun::clock_text(t) << ' ' << event << '\n';
  });
  world.plant.faults.pressure_drift_hpa_h = o.drift_hpa_h;
  simrun::RunWatch watch(world);
  form::Controller& c = world.controller;
  // Dated from the moment the program started, so the record sorts among the
  // operator's real runs; it need not wait for the disk, as nothing is lost
  // that the next run would not give again.
  const platform::FollowingWallClock wall(world.clock, platform::SystemWallClock().now());
  record::RunRecord record(c, wall, {.folder = "runs", .durable = false});
  Inbox inbox;
  std::unique_ptr<remote::LivePage> page;
  if (web) {
    page = std::make_unique<remote::LivePage>(
        c, record, *web, desk::port_status, wall,
        [&inbox](std::function<void()> work) { inbox.post(std::move(work)); });
    out << "web: " << page->url() << std::endl;
  }
  // Alerts leave from a thread of their own; a channel that fails is told
  // on standard error once, and the run goes on.
  std::unique_ptr<remote::LiveAlerts> alerts;
  if (alert_settings.any()) {
    alerts = std::make_unique<remote::LiveAlerts>(
        c, alert_settings, wall, desk::port_status, [&err](const std::string& line) {
          if (!line.empty()) err << "kolvar-sim: " + line + "\n" << std::flush;
        });
    for (const std::string& channel : alerts->channels()) out << "alerts: " << channel << '\n';
    out << std::flush;
  }
  // As a distiller starts a run: the charge heated with the valve closed
  // until the head has settled at total reflux, then the program.
  const simrun::TotalReflux settled = simrun::settle_at_total_reflux(world.plant);
  if (settled.boiling_at) watch.total_reflux(*settled.boiling_at, settled.head_celsius);
  world.advance_to(world.plant.now());
  c.start();
  if (alerts && o.alerts.test_alert) alerts->test_alert();
  simrun::choose_takeoff(c, o.takeoff);
  c.click(c.c(ctl::Start_sys_button));

  const auto after_cycle = [&](platform::Millis at) {
    watch.after_cycle(at);
    trace.row(c, world.plant.status());
  };
  const auto began = std::chrono::steady_clock::now();
  const platform::Millis first = world.now();
  const platform::Millis limit = first + static_cast<platform::Millis>(o.hours * 3600 * 1000);
  // Second by second, so the run ends within a second of the stop.
  while (world.now() < limit && !watch.stopped() && record::cycle_running(c.form)) {
    world.advance_to(std::min(limit, world.now() + 1000), after_cycle);
    // A distiller who takes no tails stops the column when the hearts end.
    if (!o.tails && watch.hearts_ended() && !watch.stopped()) {
      out << '@' << simrun::clock_text(world.now()) << " the hearts have ended: Стоп системы\n";
      simrun::stop_at_hearts_end(c, watch);
    }
    auto due = std::chrono::steady_clock::now();
    if (o.speed)
      due = began + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                        std::chrono::duration<double, std::milli>(
                            static_cast<double>(world.now() - first) / *o.speed));
    inbox.run_until(due);
    // What came from the page (its stop) is the run's too.
    watch.after_command();
  }

  out << "kolvar-sim: " << simrun::takeoff_name(o.takeoff) << " take-off, " << o.litres << " L at "
      << o.strength << " %, " << o.watts << " W, seed " << o.seed;
  if (o.drift_hpa_h != 0) out << ", pressure drift " << o.drift_hpa_h << " hPa/h";
  out << '\n';
  simrun::print_summary(out, watch.summary());
  out << "trace: " << o.trace << '\n';
  out << "record: " << record.file().generic_string() << '\n';
  // After the last cycle, so the note never holds up the run; the record is
  // whole whatever becomes of it.
  launch::leave_note(record.file(), {o.litres, o.strength, o.watts, o.seed, o.pressure_hpa},
                     watch.summary(), err);
}

}  // namespace

int run_headless(const Options& o, std::ostream& out, std::ostream& err) {
  sim::PlantSettings plant =
      simrun::simulated_rig({o.litres, o.strength, o.watts, o.seed, o.pressure_hpa});
  try {
    // A page that cannot be guarded is not served, and the run does not
    // start without the page it was asked for.
    const std::optional<remote::WebPlan> web = remote::plan_web(o.web);
    const remote::AlertSettings alerts = remote::plan_alerts(o.alerts);
    if (o.alerts.test_alert && !alerts.any())
      throw remote::AlertRefusal(
          "--test-alert: no channel is set (--push, --webhook, --telegram, "
          "--mqtt or kolvar-web.conf)");
    prepare_settings(o, plant);
    run(o, plant, out, err, web, alerts);
  } catch (const Failure& failure) {
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  } catch (const remote::WebRefusal& refusal) {
    err << "kolvar-sim: " << refusal.what() << '\n';
    return 2;
  } catch (const remote::BindError& refusal) {
    err << "kolvar-sim: " << refusal.what() << '\n';
    return 2;
  } catch (const remote::AlertRefusal& refusal) {
    err << "kolvar-sim: " << refusal.what() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace kolvar::simapp
