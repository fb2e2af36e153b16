#include "simrun/sim_settings_file.h"

#include <array>

#include "form/names.h"
#include "platform/failure.h"
#include "platform/files/settings_file.h"
#include "settings/path_encoding.h"
#include "settings/save.h"
#include "settings/value_forms.h"
#include "ui/headless.h"

namespace kolvar::simrun {

namespace {

// The pin menus in the order of the plant's outputs.
constexpr std::array<form::Name, sim::kOutputs> kPinMenus{ctl::ps, ctl::pf, ctl::ss,  ctl::lu,
                                                          ctl::ld, ctl::zm, ctl::puls};

void tick_wiring(form::Controller& c, const sim::Wiring& wiring) {
  for (int output = 0; output < sim::kOutputs; ++output) {
    const std::uint8_t mask = wiring.lines[output];
    // Item k of a pin menu is data bit k - 1.
    for (int k = 1; k <= 8; ++k) c.c(kPinMenus[output], k).set_checked((mask >> (k - 1)) & 1);
  }
}

void tick_sensors(form::Controller& c, const sim::LoggerSettings& logger) {
  const std::array<std::pair<form::Name, sim::Probe>, 4> roles{{
      {ctl::da, sim::Probe::Dephlegmator},
      {ctl::na, sim::Probe::Packing},
      {ctl::kub, sim::Probe::Tank},
      {ctl::kul, sim::Probe::CoolerOutlet},
  }};
  for (const auto& [menu, probe] : roles)
    for (int k = 1; k <= sim::kLogColumns; ++k)
      c.c(menu, k).set_checked(logger.columns[k - 1] == probe);
}

void choose(form::Controller& c, const OperatorChoices& o) {
  const int thresholds[] = {o.head, o.packing, o.tank_end, o.cooler_overheat, o.coil_opens};
  for (int i = 1; i <= 5; ++i) c.change_value(c.c(ctl::V, i), thresholds[i - 1]);
  c.change_value(c.c(ctl::dopusk), o.tolerance);
  c.change_value(c.c(ctl::Interval), o.interval_s);
  // The label beside the bar follows only the bar's moves, and the form's
  // initial label disagrees with its initial bar: show the period it runs.
  c.c(ctl::Inter).set_text(std::to_string(o.interval_s));
  c.change_value(c.c(ctl::hot), o.emergency);
  for (int i = 1; i <= 3; ++i) c.c(ctl::opstop, i).set_checked(i == o.control_by);
  c.c(ctl::time3_def).set_text(o.delay_ms);
  c.c(ctl::voda_vkl_def).set_text(o.pulse_ms);
  c.c(ctl::step_up).set_text(o.step_up);
  c.c(ctl::step_d).set_text(o.step_down);
  c.change_value(c.c(ctl::temp_shim1_scr), o.share_falls_from);
  c.change_value(c.c(ctl::temp_shim2_scr), o.share_zero_at);
  c.change_value(c.c(ctl::kalibr_kolonni_scr), o.full_share_percent);
}

}  // namespace

void write_settings_for(const sim::PlantSettings& plant, const OperatorChoices& choices) {
  ui::Headless scratch;
  form::Controller& c = scratch.controller;
  c.start();
  c.c(ctl::LogPath, 1).set_text(plant.logger.log_path);
  c.c(ctl::Path).set_text(plant.logger.program_path);
  tick_wiring(c, plant.wiring);
  tick_sensors(c, plant.logger);
  choose(c, choices);
  const platform::SaveResult saved = settings::save_settings(c);
  if (saved.status == platform::SaveResult::Status::Failed) {
    throw Failure(std::string(settings::kNotSavedMessage) + ": " + saved.reason);
  }
}

LoggerPaths logger_paths_in(const std::filesystem::path& settings_file) {
  platform::SettingsFile file(settings_file);
  platform::SettingsFile::Reader reader = file.open_for_reading();
  std::vector<std::string> lines;
  while (auto line = reader.next_line()) lines.push_back(std::move(*line));
  const std::string name = settings_file.string();
  if (lines.size() < platform::SettingsFile::kLineCount) {
    throw Failure(name + ": не файл настроек (строк " + std::to_string(lines.size()) + " из " +
                  std::to_string(platform::SettingsFile::kLineCount) + ")");
  }
  if (!settings::parse_number(lines[0])) {
    throw Failure(name + ": не файл настроек (первая строка не число)");
  }
  return {settings::decode_path_line(lines[1]), settings::decode_path_line(lines[2])};
}

void settle_settings_file(sim::PlantSettings& plant, const OperatorChoices& choices) {
  const std::filesystem::path file = "mytunes.log";
  if (!std::filesystem::exists(file)) {
    write_settings_for(plant, choices);
    return;
  }
  const LoggerPaths paths = logger_paths_in(file);
  plant.logger.log_path = paths.log;
  plant.logger.program_path = paths.program;
}

}  // namespace kolvar::simrun
