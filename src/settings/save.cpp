#include "settings/save.h"

#include <string>
#include <vector>

#include "platform/failure.h"
#include "settings/settings_write.h"

namespace kolvar::settings {
namespace {

void show_main_panel(form::Controller& c) {
  c.c(ctl::F, 1).set_visible(false);
  c.c(ctl::F, 2).set_visible(false);
  c.c(ctl::F, 5).set_visible(false);
  c.c(ctl::F, 4).set_visible(true);
  for (form::Name menu : {ctl::file, ctl::Tune, ctl::Work}) c.c(menu).set_enabled(true);
  c.c(ctl::Form1).resize(kMainWindowWidth, kMainWindowHeight);
}

platform::SaveResult write_settings(form::Controller& c) {
  std::vector<std::string> lines;
  try {
    lines = settings_file_lines(c);
  } catch (const Failure& failure) {
    return {platform::SaveResult::Status::Failed, failure.what()};
  }
  return c.settings_file.save(lines);
}

}  // namespace

platform::SaveResult save_settings(form::Controller& c) {
  show_main_panel(c);
  platform::SaveResult result = write_settings(c);
  if (result.status == platform::SaveResult::Status::Failed) {
    c.c(ctl::News).set_text(std::string(kNotSavedMessage) + "\r\n" + result.reason);
  } else {
    c.c(ctl::News).set_text(kSavedMessage);
  }
  return result;
}

void OK_Click(form::Controller& c) {
  save_settings(c);
}

void OK_set_Click(form::Controller& c) {
  c.c(ctl::peregrev).set_text(c.c(ctl::peregrev_def).text());
  c.c(ctl::voda_vkl).set_text(c.c(ctl::voda_vkl_def).text());
  OK_Click(c);
}

void OK2_Click(form::Controller& c) {
  OK_Click(c);
}

}  // namespace kolvar::settings
