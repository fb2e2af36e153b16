// The logger and the controller together on one virtual clock: the logger
// writes, the controller reads its lines; the logger dies, the controller
// starts it again through the program path of its panel, and the run goes
// on. The logger is its own library in process, polled once a virtual
// second, so the time stamps it writes follow the virtual clock.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fake_sysfs.h"
#include "logger/config.h"
#include "logger/instance_lock.h"
#include "logger/log_append.h"
#include "logger/poller.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::logger {
namespace {

namespace fs = std::filesystem;

// The run starts at 10:00:00; the controller's clock starts at 0.
TimeOfDay story_time(platform::Millis now) {
  const int s = 10 * 3600 + static_cast<int>(now / 1000);
  return {s / 3600, s / 60 % 60, s % 60};
}

std::string story_stamp(platform::Millis now) {
  const TimeOfDay t = story_time(now);
  auto two = [](int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
  return two(t.hour) + ":" + two(t.minute) + ":" + two(t.second);
}

// kolvar-logger as one process: started through its path, it holds the
// log's lock while it lives and writes a line at each poll.
class StoryLogger {
 public:
  StoryLogger(fs::path program, const fs::path& config, const fs::path& sysfs)
      : program_(std::move(program)),
        config_(read_config(config)),
        poller_(config_.sensor, sysfs) {}

  void start(const std::string& path) {
    ASSERT_EQ(fs::path(path), program_) << "started through another path";
    ++starts;
    std::optional<InstanceLock> taken = InstanceLock::try_take(lock_path_for(*config_.log));
    if (taken) lock_.emplace(std::move(*taken));
  }
  void die() { lock_.reset(); }
  bool running() const { return lock_.has_value(); }

  void poll(platform::Millis now) {
    if (!running()) return;
    append_line(*config_.log, poller_.poll(story_time(now)));
  }

  int starts = 0;

 private:
  fs::path program_;
  Config config_;
  Poller poller_;
  std::optional<InstanceLock> lock_;
};

class LoggerStory : public kolvar::testing::InFreshFolder {
 protected:
  LoggerStory() {
    // Listed by the kernel in another order than the columns take them.
    sysfs.temperature("28-aa", 20500);  // cooling water
    sysfs.temperature("28-bb", 78400);  // dephlegmator
    sysfs.w1_slave("28-cc", 80100);     // packing, an older kernel's file
    sysfs.temperature("28-dd", 84200);  // tank, below its limit
  }

  fs::path written_config() {
    const fs::path file = folder.file("logger.conf");
    std::ofstream(file) << "1 28-bb\n2 28-cc\n3 28-dd\n4 28-aa\nlog temperatures.log\n";
    return file;
  }

  void use_panel(const char* open, const char* field, const fs::path& value, const char* ok) {
    c.click(c.form.get(open));
    c.edit(*c.form.find_full(field), value.string());
    c.click(c.form.get(ok));
  }

  // One virtual second: the logger polls (when it lives), then the
  // controller's timers run.
  void second() {
    logger.poll(h.now());
    h.advance(1000);
  }

  testing::FakeSysfs sysfs;
  std::vector<std::string> launches;
  ui::Headless h{[this](platform::Millis, const std::string& event) {
    const std::string prefix = "launch \"";
    if (event.rfind(prefix, 0) != 0) return;
    const std::string path = event.substr(prefix.size(), event.size() - prefix.size() - 1);
    launches.push_back(path);
    logger.start(path);
  }};
  form::Controller& c = h.controller;
  StoryLogger logger{KOLVAR_LOGGER, written_config(), sysfs.root()};
};

TEST_F(LoggerStory, TheControllerRestartsAStoppedLoggerAndTheRunGoesOn) {
  c.start();
  use_panel("fi", "LogPath(1)", folder.file("temperatures.log"), "OK");
  use_panel("tk", "Path", KOLVAR_LOGGER, "OK2");
  // Dephlegmator on column 1, packing 2, tank 3, cooling water 4.
  const char* const role_menus[] = {"da", "na", "kub", "kul"};
  for (int role = 1; role <= 4; ++role) c.click(c.form.get(role_menus[role - 1], role));
  logger.start(KOLVAR_LOGGER);  // the operator's own start, or the user service
  ASSERT_TRUE(logger.running());
  second();
  c.click(c.form.get("Start_sys_button"));

  // Each role shows the sensor of its column, in the configuration's order.
  const std::array<std::string, 5> by_role{"", "78.400", "80.100", "84.200", "20.500"};
  auto reads_the_logger = [&](const std::string& when) {
    EXPECT_EQ(c.c(ctl::time_log2).text(), story_stamp(h.now() - 1000)) << when;
    for (int role = 1; role <= 4; ++role) {
      EXPECT_EQ(c.c(ctl::T, role).text(), by_role[role]) << when << ", role " << role;
    }
    EXPECT_TRUE(c.c(ctl::Timer1).on()) << when;
  };
  for (int i = 0; i < 10; ++i) second();
  reads_the_logger("before the logger dies");
  EXPECT_EQ(c.c(ctl::time_error).text(), "0");

  logger.die();
  const platform::Millis died = h.now();
  while (launches.empty() && h.now() - died < 60000) second();
  ASSERT_EQ(launches, std::vector<std::string>{KOLVAR_LOGGER});
  EXPECT_TRUE(logger.running()) << "the restart found the log's lock taken";
  EXPECT_EQ(c.c(ctl::Ch_log).tag(), "1");

  for (int i = 0; i < 10; ++i) second();
  EXPECT_EQ(c.c(ctl::Ch_log).tag(), "0") << "fresh lines put the controller back to watching";
  EXPECT_EQ(c.c(ctl::time_error).text(), "0");
  reads_the_logger("after the restart");

  // A sensor vanishes for a moment: its role reads a blank, never a number.
  sysfs.remove("28-aa");
  second();
  second();
  EXPECT_EQ(c.c(ctl::T, 4).text(), "");
  EXPECT_EQ(c.c(ctl::time_log2).text(), story_stamp(h.now() - 1000));
  sysfs.temperature("28-aa", 20500);
  for (int i = 0; i < 4; ++i) second();
  reads_the_logger("after the sensor came back");
  EXPECT_EQ(logger.starts, 2);
  EXPECT_EQ(launches.size(), 1u);
}

}  // namespace
}  // namespace kolvar::logger
