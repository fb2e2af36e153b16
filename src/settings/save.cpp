#include "settings/save.h"

#include <string>
#include <vector>

#include "platform/failure.h"
#include "settings/settings_write.h"

namespace kolvar::settings {
namespace {

void show_main_panel(ui::Controller& c) {
  c.c("F", 1).set_visible(false);
  c.c("F", 2).set_visible(false);
  c.c("F", 5).set_visible(false);
  c.c("F", 4).set_visible(true);
  for (const char* menu : {"file", "Tune", "Work"}) c.c(menu).set_enabled(true);
  c.c("Form1").resize(kMainWindowWidth, kMainWindowHeight);
}

SaveResult write_settings(ui::Controller& c) {
  std::vector<std::string> lines;
  try {
    lines = settings_file_lines(c);
  } catch (const Failure& failure) {
    return {SaveResult::Status::Failed, failure.what()};
  }
  return c.settings_file.save(lines);
}

}  // namespace

SaveResult save_settings(ui::Controller& c) {
  show_main_panel(c);
  SaveResult result = write_settings(c);
  if (result.status == SaveResult::Status::Failed) {
    c.c("News").set_text(std::string(kNotSavedMessage) + "\r\n" + result.reason);
  } else {
    c.c("News").set_text(kSavedMessage);
  }
  return result;
}

void OK_Click(ui::Controller& c) {
  save_settings(c);
}

void OK_set_Click(ui::Controller& c) {
  c.c("peregrev").set_text(c.c("peregrev_def").text());
  c.c("voda_vkl").set_text(c.c("voda_vkl_def").text());
  OK_Click(c);
}

void OK2_Click(ui::Controller& c) {
  OK_Click(c);
}

}  // namespace kolvar::settings
