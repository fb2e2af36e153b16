#include "kolvar-sim/headless_run.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>

#include "form/names.h"
#include "platform/failure.h"
#include "platform/wall_clock.h"
#include "record/run_record.h"
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

void run(const Options& o, const sim::PlantSettings& plant, std::ostream& out) {
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
  // As a distiller starts a run: the charge heated with the valve closed
  // until the head has settled at total reflux, then the program.
  const simrun::TotalReflux settled = simrun::settle_at_total_reflux(world.plant);
  if (settled.boiling_at) watch.total_reflux(*settled.boiling_at, settled.head_celsius);
  world.advance_to(world.plant.now());
  c.start();
  simrun::choose_takeoff(c, o.takeoff);
  c.click(c.c(ctl::Start_sys_button));

  const auto after_cycle = [&](platform::Millis at) {
    watch.after_cycle(at);
    trace.row(c, world.plant.status());
  };
  const platform::Millis limit = world.now() + static_cast<platform::Millis>(o.hours * 3600 * 1000);
  // Second by second, so the run ends within a second of the stop.
  while (world.now() < limit && !watch.stopped())
    world.advance_to(std::min(limit, world.now() + 1000), after_cycle);

  out << "kolvar-sim: " << simrun::takeoff_name(o.takeoff) << " take-off, " << o.litres << " L at "
      << o.strength << " %, " << o.watts << " W, seed " << o.seed;
  if (o.drift_hpa_h != 0) out << ", pressure drift " << o.drift_hpa_h << " hPa/h";
  out << '\n';
  simrun::print_summary(out, watch.summary());
  out << "trace: " << o.trace << '\n';
  out << "record: " << record.file().generic_string() << '\n';
}

}  // namespace

int run_headless(const Options& o, std::ostream& out, std::ostream& err) {
  sim::PlantSettings plant =
      simrun::simulated_rig({o.litres, o.strength, o.watts, o.seed, o.pressure_hpa});
  try {
    prepare_settings(o, plant);
    run(o, plant, out);
  } catch (const Failure& failure) {
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace kolvar::simapp
