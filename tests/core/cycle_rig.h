#pragma once
// The controller on virtual time with a logger log in a fresh folder, and
// shorthand for the controls the cycle tests look at.
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_cycle.h"
#include "core/role_temperatures.h"
#include "platform/log_line_layout.h"
#include "support/readback.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::core::testing {

// A logger line: the time stamp in characters 1 to 8, sensor k in 10k to
// 10k + 8, each field padded with blanks to its width.
inline std::string log_line(
    std::string_view time,
    const std::array<std::string_view, platform::log_line::kSensors>& sensors) {
  namespace layout = platform::log_line;
  auto padded = [](std::string_view text, std::size_t width) {
    std::string field(text);
    field.resize(std::max(width, field.size()), ' ');
    return field;
  };
  std::string line = padded(time, layout::kStampWidth);
  for (std::string_view sensor : sensors) {
    line += layout::kSeparator;
    line += padded(sensor, layout::kFieldWidth);
  }
  return line;
}

class CycleRig {
 public:
  CycleRig() {
    log_path = folder_.file("keeper.log");
    c.c(ctl::LogPath, 1).set_text(log_path.string());
    c.c(ctl::time_error).set_text("0");  // as start-up leaves it
  }
  CycleRig(const CycleRig&) = delete;
  CycleRig& operator=(const CycleRig&) = delete;

  // The log with an earlier line and then this one as its last.
  void log(const std::string& last) {
    std::ofstream(log_path, std::ios::binary | std::ios::trunc)
        << "11:59:59  1.0       1.0       1.0       1.0       1.0\r\n"
        << last << "\r\n";
  }
  // A log whose last line has this time stamp and these readings.
  void log(std::string_view time, const std::array<std::string_view, 5>& sensors) {
    log(log_line(time, sensors));
  }
  // A fresh line every call: the stamp counts on by a second.
  void fresh(const std::array<std::string_view, 5>& sensors) {
    ++second_;
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", 12 + second_ / 3600, second_ / 60 % 60,
                  second_ % 60);
    log(stamp, sensors);
  }

  void cycle() { ControlCycle(c); }

  void tick(std::string_view menu, const std::vector<int>& items, bool checked = true) {
    for (int i : items) c.form.get(menu, i).set_checked(checked);
  }
  // Only this item of a sensor menu array ticked.
  void sensor(std::string_view menu, int item) {
    for (int i = 1; i <= 5; ++i) c.form.get(menu, i).set_checked(i == item);
  }
  // Only this take-off type and this Work item ticked (nullptr for none).
  void mode(const char* type, const char* work) {
    for (const char* t : {"liquid", "par", "SHIM"})
      c.form.get(t).set_checked(type && t == std::string(type));
    for (const char* w : {"Start", "stp", "Auto"})
      c.form.get(w).set_checked(work && w == std::string(work));
  }
  void enable(int role, bool enabled) { c.c(ctl::T, role).set_enabled(enabled); }
  // Role r reads this text, as the last good line gave it.
  void reading(int role, const std::string& text) { set_role_reading(c, role, text); }

  std::string text(std::string_view name, int index = form::kNoIndex) const {
    return c.form.get(name, index).text();
  }
  void set(std::string_view name, const std::string& text, int index = form::kNoIndex) {
    c.form.get(name, index).set_text(text);
  }
  std::string news() const { return text("News"); }
  // The image as pin(0)..pin(7), e.g. "10000000".
  std::string image() const { return kolvar::testing::pin_texts(c); }
  std::vector<std::string> sounds() const { return kolvar::testing::texts(h.sound.events); }
  std::vector<std::string> boxes() const { return kolvar::testing::texts(h.message_box.events); }
  std::vector<std::string> launches() const { return kolvar::testing::texts(h.launcher.events); }

  ui::Headless h;
  form::Controller& c = h.controller;
  std::filesystem::path log_path;

 private:
  kolvar::testing::TempFolder folder_;
  int second_ = 0;
};

}  // namespace kolvar::core::testing
