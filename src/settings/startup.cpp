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

// The tag of V(1): while it reads "0" the thresholds and the period do not
// react to their scroll bars, so applying the file cannot save over it.
void set_settings_loaded(form::Controller& c, const char* loaded) {
  c.c("V", 1).set_tag(loaded);
}

void place_window(form::Controller& c) {
  c.c("Form1").set_topmost(true);
  c.c("F", 1).move(0, 0);
  c.c("F", 4).move(0, 0);
  c.c("F", 4).bring_to_front();  // the log-path panel now lies behind it
  c.c("Form1").resize(kMainWindowWidth, kMainWindowHeight);
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
    set_settings_loaded(c, "0");
    reader->next_line();  // the outside-edit flag plays no part at start-up
    apply_settings(c, *reader);
    reader.reset();
    c.c("News").set_text(kLoadedStatus);
    return;
  }
  form::Control& news = c.c("News");
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
  for (const char* bar : {"hot", "kalibr_kolonni_scr", "temp_shim1_scr", "temp_shim2_scr"})
    settings::show_value(c, bar);
  settings::derive_pulse_time(c);
  set_settings_loaded(c, "1");
  enable_control_rows(c);
  enable_sensor_rows(c);
  c.c("time_error").set_text("0");
  c.c("wait").set_text(c.c("wait_def").text());
  io::set_ticked_pins(c, "ss", io::kHigh);  // reaches the port with the valve closing below
  settings::show_value(c, "dopusk");
  settings::show_value(c, "manual_otb");
  c.c("Ch_log").set_tag("0");  // RestartMark: TempKeeper counts as not restarted
  c.c("voda_vkl").set_text(c.c("voda_vkl_def").text());
}

}  // namespace kolvar::settings
