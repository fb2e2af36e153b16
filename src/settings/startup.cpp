#include "settings/startup.h"

#include <optional>
#include <string>

#include "io/port_image.h"
#include "io/port_write.h"
#include "platform/failure.h"
#include "settings/save.h"
#include "settings/settings_apply.h"
#include "settings/table_rows.h"
#include "settings/value_labels.h"

namespace kolvar::settings {
namespace {

void place_window(form::Controller& c) {
  c.c(ctl::Form1).set_topmost(true);
  c.c(ctl::F, 1).move(0, 0);
  c.c(ctl::F, 4).move(0, 0);
  c.c(ctl::F, 4).bring_to_front();  // the log-path panel now lies behind it
  c.c(ctl::Form1).resize(kMainWindowWidth, kMainWindowHeight);
}

// Applies the file when it opens; otherwise writes a new one from the
// controls. The status text is replaced before the window is next shown.
void load_or_create(form::Controller& c) {
  std::optional<platform::SettingsFile::Reader> reader;
  try {
    reader.emplace(c.settings_file.open_for_reading());
  } catch (const Failure&) {
    // Missing, locked or not readable: a new file is written below.
  }
  if (reader) {
    // The thresholds and the period do not react to their scroll bars while
    // the file is applied, so applying it cannot save over it.
    c.set_settings_loaded(false);
    reader->next_line();  // the outside-edit flag plays no part at start-up
    apply_settings(c, *reader);
    reader.reset();
    c.c(ctl::News).set_text(kLoadedStatus);
    return;
  }
  form::Control& news = c.c(ctl::News);
  if (save_settings(c).status == platform::SaveResult::Status::Failed) {
    // Say what happened rather than claim a file was created.
    news.set_text("Файл настроек не найден.\r\n" + news.text());
  } else {
    news.set_text(kCreatedStatus);
  }
}

}  // namespace

void Form_Initialize(form::Controller& c) {
  io::LPT_set(c);
}

void load_window(form::Controller& c) {
  place_window(c);
  load_or_create(c);
  for (form::Name bar :
       {ctl::hot, ctl::kalibr_kolonni_scr, ctl::temp_shim1_scr, ctl::temp_shim2_scr})
    settings::show_value(c, bar);
  settings::derive_pulse_time(c);
  c.set_settings_loaded(true);
  enable_control_rows(c);
  enable_sensor_rows(c);
  c.c(ctl::time_error).set_text("0");
  c.c(ctl::wait).set_text(c.c(ctl::wait_def).text());
  io::set_ticked_pins(c, ctl::ss, io::kHigh);  // reaches the port with the valve closing below
  settings::show_value(c, ctl::dopusk);
  settings::show_value(c, ctl::manual_otb);
  c.set_restart_mark(false);  // the logger counts as not restarted
  c.c(ctl::voda_vkl).set_text(c.c(ctl::voda_vkl_def).text());
}

}  // namespace kolvar::settings
