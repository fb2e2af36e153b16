#ifdef __linux__

#include "platform/ports/ppdev_port.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>

// Uses the _IO macros of <sys/ioctl.h> without including it.
#include <linux/ppdev.h>

#include <cerrno>
#include <ostream>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A kernel whose answers the test chooses; by default the port is there and
// everything succeeds. Every call is logged as a line of text.
class FakePosixIo : public PosixIo {
 public:
  int open_error = 0;
  int claim_error = 0;
  int write_error = 0;
  std::vector<std::string> calls;
  int open_descriptors = 0;

  int open(const std::string& path, int) override {
    calls.push_back("open " + path);
    if (open_error != 0) return -open_error;
    ++open_descriptors;
    return next_fd_++;
  }
  int ioctl(int fd, unsigned long request, void* arg) override {
    const std::string at = " " + std::to_string(fd);
    if (request == PPCLAIM) {
      calls.push_back("PPCLAIM" + at);
      return -claim_error;
    }
    if (request == PPWDATA) {
      calls.push_back("PPWDATA" + at + " " +
                      std::to_string(*static_cast<const unsigned char*>(arg)));
      return -write_error;
    }
    calls.push_back("ioctl?" + at);
    return -EINVAL;
  }
  int close(int fd) override {
    calls.push_back("close " + std::to_string(fd));
    --open_descriptors;
    return 0;
  }

 private:
  int next_fd_ = 3;
};

std::string failure_of(PpdevPort& port, std::uint8_t byte) {
  try {
    port.write(byte);
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "no failure";
}

TEST(PpdevPort, ClaimsOnceAndWritesEveryByteWithPpwdata) {
  FakePosixIo io;
  PpdevPort port("/dev/parport0", io);
  EXPECT_EQ(port.name(), "/dev/parport0");
  port.write(0x5a);
  port.write(255);
  port.write(0);
  EXPECT_THAT(io.calls, ElementsAre("open /dev/parport0", "PPCLAIM 3", "PPWDATA 3 90",
                                    "PPWDATA 3 255", "PPWDATA 3 0"));
}

TEST(PpdevPort, UsableAfterAvailabilityKeepsThePortOpenForWrites) {
  FakePosixIo io;
  {
    PpdevPort port("/dev/parport1", io);
    EXPECT_EQ(port.availability(), PortAvailability::Usable);
    EXPECT_EQ(port.availability(), PortAvailability::Usable);
    port.write(1);
    EXPECT_THAT(io.calls, ElementsAre("open /dev/parport1", "PPCLAIM 3", "PPWDATA 3 1"));
  }
  EXPECT_EQ(io.open_descriptors, 0);
}

struct Refusal {
  const char* what;
  int open_error;
  int claim_error;
  PortAvailability availability;
  const char* reason;
  friend void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.what; }
};

class PpdevRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PpdevRefusal, IsAFailedWriteNamingTheDeviceAndLeavesNothingOpen) {
  const Refusal& refusal = GetParam();
  FakePosixIo io;
  io.open_error = refusal.open_error;
  io.claim_error = refusal.claim_error;
  PpdevPort port("/dev/parport0", io);

  EXPECT_EQ(port.availability(), refusal.availability);
  const std::string description = failure_of(port, 7);
  EXPECT_THAT(description, HasSubstr("/dev/parport0"));
  EXPECT_THAT(description, HasSubstr(refusal.reason));
  EXPECT_EQ(io.open_descriptors, 0);
  for (const std::string& call : io.calls) EXPECT_THAT(call, ::testing::Not(HasSubstr("PPWDATA")));
}

INSTANTIATE_TEST_SUITE_P(
    Kernel, PpdevRefusal,
    ::testing::Values(
        Refusal{"NoDeviceNode", ENOENT, 0, PortAvailability::Absent, "файл или папка не найдены"},
        Refusal{"NoPortBehindNode", ENXIO, 0, PortAvailability::Absent, "No such device"},
        Refusal{"PermissionDenied", EACCES, 0, PortAvailability::Unusable, "нет доступа"},
        Refusal{"ClaimedByOther", 0, EBUSY, PortAvailability::Unusable, "файл занят"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(PpdevPort, OpensAgainOnTheWriteAfterAFailedOpen) {
  FakePosixIo io;
  io.open_error = ENOENT;
  PpdevPort port("/dev/parport0", io);
  EXPECT_THROW(port.write(1), Failure);
  io.open_error = 0;
  port.write(2);
  EXPECT_THAT(io.calls,
              ElementsAre("open /dev/parport0", "open /dev/parport0", "PPCLAIM 3", "PPWDATA 3 2"));
}

TEST(PpdevPort, AFailedDataWriteClosesAndTheNextWriteClaimsAfresh) {
  FakePosixIo io;
  PpdevPort port("/dev/parport0", io);
  io.write_error = EIO;
  EXPECT_THAT(failure_of(port, 1), HasSubstr("Input/output error"));
  io.write_error = 0;
  port.write(2);
  EXPECT_THAT(io.calls, ElementsAre("open /dev/parport0", "PPCLAIM 3", "PPWDATA 3 1", "close 3",
                                    "open /dev/parport0", "PPCLAIM 4", "PPWDATA 4 2"));
}

}  // namespace
}  // namespace kolvar::platform

#endif  // __linux__
