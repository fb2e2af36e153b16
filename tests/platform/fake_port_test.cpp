#include "platform/ports/fake_port.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class SetClock : public Clock {
 public:
  Millis time = 0;
  Millis now() const override { return time; }
};

TEST(FakePort, WorksRecordsEachWriteWithItsTimeAndReportsIt) {
  SetClock clock;
  std::vector<std::pair<Millis, int>> reported;
  FakePort port(clock, "dlportio.dll",
                [&](Millis at, std::uint8_t byte) { reported.emplace_back(at, byte); });
  EXPECT_EQ(port.name(), "dlportio.dll");
  EXPECT_EQ(port.availability(), PortAvailability::Usable);
  port.write(0);
  clock.time = 1200;
  port.write(129);
  EXPECT_THAT(port.writes(), ElementsAre(FakePort::Write{0, 0}, FakePort::Write{1200, 129}));
  EXPECT_THAT(reported,
              ElementsAre(std::pair<Millis, int>{0, 0}, std::pair<Millis, int>{1200, 129}));
}

TEST(FakePort, FailingModesThrowRecordNothingAndRecover) {
  const std::pair<FakePort::Mode, PortAvailability> modes[] = {
      {FakePort::Mode::Fails, PortAvailability::Unusable},
      {FakePort::Mode::Missing, PortAvailability::Absent},
  };
  for (const auto& [mode, availability] : modes) {
    SetClock clock;
    int reported = 0;
    FakePort port(clock, "inpout32.dll", [&](Millis, std::uint8_t) { ++reported; });
    port.set_mode(mode);
    EXPECT_EQ(port.availability(), availability);
    try {
      port.write(5);
      ADD_FAILURE() << "write succeeded in a failing mode";
    } catch (const Failure& failure) {
      EXPECT_THAT(failure.what(), HasSubstr("inpout32.dll"));
    }
    EXPECT_TRUE(port.writes().empty());
    EXPECT_EQ(reported, 0);

    port.set_mode(FakePort::Mode::Works);
    port.write(6);
    EXPECT_THAT(port.writes(), ElementsAre(FakePort::Write{0, 6}));
    EXPECT_EQ(port.attempts(), 2u);
  }
}

TEST(FakePort, PassesBytesToItsDeviceAndRecordsOnlyWhatTheDeviceTook) {
  SetClock clock;
  FakePort device(clock, "rig");
  FakePort port(clock, "dlportio.dll");
  port.pass_to(&device);
  port.write(7);
  EXPECT_THAT(device.writes(), ElementsAre(FakePort::Write{0, 7}));

  device.set_mode(FakePort::Mode::Fails);
  EXPECT_EQ(port.availability(), PortAvailability::Unusable);
  EXPECT_THROW(port.write(8), Failure);
  EXPECT_THAT(port.writes(), ElementsAre(FakePort::Write{0, 7}));

  port.set_mode(FakePort::Mode::Missing);  // the port's own state comes first
  EXPECT_EQ(port.availability(), PortAvailability::Absent);
}

}  // namespace
}  // namespace kolvar::platform
