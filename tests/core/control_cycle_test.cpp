// Whatever the log and the settings hold, a cycle never lets a failure out
// and always reaches its protective step unless the system stopped. (Only a
// second failure in one cycle ends it early; with a working port and
// launcher the watch itself cannot fail.)
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "cycle_rig.h"
#include "form/text_number.h"
#include "platform/failure.h"

namespace kolvar::core {
namespace {

using testing::CycleRig;
using testing::log_line;

std::string garbage(std::mt19937& rng, std::size_t length) {
  std::string s;
  for (std::size_t i = 0; i < length; ++i) s += static_cast<char>(rng() % 256);
  return s;
}

// A log as it might be found: binary garbage, short or endless lines, empty,
// non-numbers in the sensor columns, odd line ends.
std::string random_log(std::mt19937& rng) {
  const char* readings[] = {"88.3", "0", "", "-5", "1e3", "12,5", "abc", "999.9", "°C", "50.0"};
  const char* ends[] = {"\r\n", "\n", "\r", ""};
  switch (rng() % 6) {
    case 0:
      return garbage(rng, rng() % 300);
    case 1:
      return "";
    case 2:
      return std::string(5000 + rng() % 5000, static_cast<char>('0' + rng() % 10)) + "\r\n";
    case 3:
      return log_line("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"}).substr(0, rng() % 58);
    default: {
      std::string log;
      for (int n = static_cast<int>(rng() % 4); n >= 0; --n) {
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "12:00:%02u", static_cast<unsigned>(rng() % 3));
        log += log_line(stamp, {readings[rng() % 10], readings[rng() % 10], readings[rng() % 10],
                                readings[rng() % 10], readings[rng() % 10]});
        log += ends[rng() % 4];
      }
      return log;
    }
  }
}

bool is_whole_number(const std::string& text) {
  try {
    form::counter_value(text, "");
    return true;
  } catch (const Failure&) {
    return false;
  }
}

TEST(BadInput, TheCycleNeverFailsAndAlwaysProtects) {
  std::mt19937 rng(7351);
  const char* settings[] = {"3", "", "x", "-1", "1e9", "2.5", "99999999999999999999", " 4 "};
  CycleRig r;
  r.set("Path", "/nonexistent/keeper");
  r.c.c(ctl::Ch_log).set_value(1);
  for (int round = 0; round < 400; ++round) {
    const int what = static_cast<int>(rng() % 10);
    std::filesystem::remove_all(r.log_path);
    if (what == 0) {
      // no log at all
    } else if (what == 1) {
      std::filesystem::create_directory(r.log_path);  // a log that cannot be read as a file
    } else {
      std::ofstream(r.log_path, std::ios::binary) << random_log(rng);
    }
    r.set("time_error_def", settings[rng() % 8]);
    r.set("pulse_time", settings[rng() % 8]);
    r.set("voda_vkl", settings[rng() % 8]);
    r.set("time_error", settings[rng() % 8]);
    r.mode(std::array{"liquid", "par", "SHIM"}[rng() % 3],
           std::array{"Start", "stp", "Auto"}[rng() % 3]);
    r.set("net_vodi", "");
    r.c.c(ctl::Timer1).set_on(true);

    ASSERT_NO_THROW(r.cycle()) << "round " << round;
    const bool stopped = !r.c.c(ctl::Timer1).on();
    EXPECT_TRUE(stopped || is_whole_number(r.text("net_vodi")))
        << "round " << round << ": " << r.news();
    EXPECT_FALSE(r.news().empty()) << "round " << round;
  }
}

// A negative step of 23 digits once drove the share to 10^23 and the phase
// lengths past what a whole number holds (undefined behaviour). The step is
// refused; the share and the valve stay as they were.
TEST(BadInput, AStepOutOfRangeIsRefusedBeforeTheShareMoves) {
  CycleRig r;
  r.mode("SHIM", "Auto");
  r.tick("ps", {1});
  r.c.c(ctl::wait_ch).set_value(0);
  r.set("step_d", "-100000000000000000000000");
  for (int cycle = 0; cycle < 3; ++cycle) {
    r.fresh({"88.2", "70.0", "50.0", "20.0", "20.0"});  // dephlegmator over 88.0
    r.cycle();
    EXPECT_EQ(r.text("otb"), "0");
    EXPECT_NE(r.news().find("step_d"), std::string::npos) << r.news();
    EXPECT_FALSE(r.c.c(ctl::Timer8).on());
    EXPECT_EQ(r.text("pin", 0), "0");
  }
}

}  // namespace
}  // namespace kolvar::core
