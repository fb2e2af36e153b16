#ifdef __linux__

#include "platform/ports/ioperm_port.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A processor whose port permissions the test decides; never real hardware.
class FakePortIo : public PortIo {
 public:
  bool has_ports = true;
  int ioperm_error = 0;
  std::vector<std::string> calls;

  bool present() const override { return has_ports; }
  int ioperm(unsigned long first, unsigned long count) override {
    calls.push_back("ioperm " + std::to_string(first) + " " + std::to_string(count));
    return -ioperm_error;
  }
  void outb(std::uint8_t value, std::uint16_t port) override {
    calls.push_back("outb " + std::to_string(value) + " " + std::to_string(port));
  }
};

TEST(IopermPort, GrantedWritesTheByteToTheDataRegister) {
  FakePortIo io;
  IopermPort port(io);
  EXPECT_EQ(port.name(), "ioperm 0x378");
  EXPECT_EQ(port.availability(), PortAvailability::Usable);
  port.write(0xa5);
  EXPECT_THAT(io.calls, ElementsAre("ioperm 888 1", "ioperm 888 1", "outb 165 888"));
}

TEST(IopermPort, RefusedIsUnusableAndNeverTouchesThePort) {
  FakePortIo io;
  io.ioperm_error = EPERM;
  IopermPort port(io);
  EXPECT_EQ(port.availability(), PortAvailability::Unusable);
  try {
    port.write(1);
    FAIL() << "write succeeded without permission";
  } catch (const Failure& failure) {
    EXPECT_THAT(failure.what(), HasSubstr("ioperm 0x378"));
    EXPECT_THAT(failure.what(), HasSubstr("нет доступа"));
  }
  EXPECT_THAT(io.calls, ElementsAre("ioperm 888 1", "ioperm 888 1"));
}

TEST(IopermPort, AbsentWithoutPortInstructions) {
  FakePortIo io;
  io.has_ports = false;
  IopermPort port(io);
  EXPECT_EQ(port.availability(), PortAvailability::Absent);
  EXPECT_THROW(port.write(1), Failure);
  EXPECT_THAT(io.calls, IsEmpty());
}

}  // namespace
}  // namespace kolvar::platform

#endif  // __linux__
