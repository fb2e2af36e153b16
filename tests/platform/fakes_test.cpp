#include "platform/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/time/manual_clock.h"

namespace kolvar::platform {
namespace {

TEST(Fakes, RecordAndReportWithTheClockTime) {
  ManualClock clock(1200);
  std::vector<Recorded> reported;
  const EventSink sink = [&](Millis time, const std::string& text) {
    reported.push_back({time, text});
  };
  RecordingLauncher launcher(clock, sink);
  launcher.start("/opt/temp keeper/keeper");
  clock.advance(300);
  launcher.start("again");
  const std::vector<Recorded> expected = {{1200, "/opt/temp keeper/keeper"}, {1500, "again"}};
  EXPECT_EQ(launcher.events, expected);
  EXPECT_EQ(reported, expected);
}

TEST(Fakes, ToldToFailThrowAndRecordNothing) {
  ManualClock clock;
  int reported = 0;
  const EventSink sink = [&](Millis, const std::string&) { ++reported; };
  RecordingSound sound(clock, sink);
  RecordingLauncher launcher(clock, sink);
  sound.fail = true;
  launcher.fail = true;
  EXPECT_THROW(sound.play("stop.wav"), Failure);
  EXPECT_THROW(launcher.start("keeper"), Failure);
  EXPECT_TRUE(sound.events.empty());
  EXPECT_TRUE(launcher.events.empty());
  EXPECT_EQ(reported, 0);
}

TEST(Fakes, LauncherPassesToItsProgramAndRecordsOnlyWhatItStarted) {
  ManualClock clock;
  RecordingLauncher program(clock);
  RecordingLauncher launcher(clock);
  launcher.program = &program;
  launcher.start("keeper");
  program.fail = true;
  EXPECT_THROW(launcher.start("keeper"), Failure);
  const std::vector<Recorded> once = {{0, "keeper"}};
  EXPECT_EQ(program.events, once);
  EXPECT_EQ(launcher.events, once);
}

}  // namespace
}  // namespace kolvar::platform
