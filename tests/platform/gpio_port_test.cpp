#ifdef __linux__

#include "platform/ports/gpio_port.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace kolvar::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string joined(const std::vector<unsigned>& numbers) {
  std::string text;
  for (unsigned n : numbers) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

std::string joined(const std::vector<int>& numbers) {
  std::string text;
  for (int n : numbers) text += std::to_string(n);
  return text;
}

// A GPIO chip whose answers the test chooses; by default every line can be
// had. Each call is logged as a line of text; levels as a string of 0 and 1.
class FakeGpioLines : public GpioLines {
 public:
  int request_error = 0;
  int set_error = 0;
  std::vector<std::string> calls;
  int held = 0;

  Requested request_outputs(const std::string& chip, const std::vector<unsigned>& offsets,
                            const std::vector<int>& levels) override {
    calls.push_back("request " + chip + " " + joined(offsets) + " " + joined(levels));
    if (request_error != 0) return {nullptr, -request_error};
    return {std::make_unique<FakeRequest>(*this), 0};
  }

 private:
  class FakeRequest final : public Request {
   public:
    explicit FakeRequest(FakeGpioLines& chip) : chip_(chip) { ++chip_.held; }
    ~FakeRequest() override {
      --chip_.held;
      chip_.calls.push_back("release");
    }
    FakeRequest(const FakeRequest&) = delete;
    FakeRequest& operator=(const FakeRequest&) = delete;
    int set(const std::vector<int>& levels) override {
      chip_.calls.push_back("set " + joined(levels));
      return -chip_.set_error;
    }

   private:
    FakeGpioLines& chip_;
  };
};

GpioMap map_of(const char* text_form) {
  return parse_gpio_port(text_form);
}

std::string failure_of(GpioPort& port, std::uint8_t byte) {
  try {
    port.write(byte);
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "no failure";
}

struct Wiring {
  const char* what;
  const char* text_form;
  std::uint8_t byte;
  const char* request;  // the one request: chip, offsets, stop-safe levels
  const char* set;      // the set that follows it for the byte
  friend void PrintTo(const Wiring& w, std::ostream* out) { *out << w.what; }
};

class GpioWiring : public ::testing::TestWithParam<Wiring> {};

TEST_P(GpioWiring, RequestsTheMappedLinesAtTheStopLevelsThenSetsThemAllAtOnce) {
  const Wiring& w = GetParam();
  FakeGpioLines chip;
  {
    GpioPort port(map_of(w.text_form), chip);
    port.write(w.byte);
    EXPECT_EQ(chip.held, 1);
  }
  EXPECT_THAT(chip.calls, ElementsAre(w.request, w.set, "release"));
  EXPECT_EQ(chip.held, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, GpioWiring,
    ::testing::Values(Wiring{"all eight, active-high", "gpio:gpiochip0:17,27,22,23,24,25,5,6",
                             0b10000001, "request gpiochip0 17,27,22,23,24,25,5,6 00000000",
                             "set 10000001"},
                      Wiring{"all eight, active-low: stop is all high",
                             "gpio:gpiochip0:17,27,22,23,24,25,5,6:active-low", 0b10000001,
                             "request gpiochip0 17,27,22,23,24,25,5,6 11111111", "set 01111110"},
                      Wiring{"unmapped pins are skipped, their bits go nowhere",
                             "gpio:/dev/gpiochip1:4,-,,7", 0b11111010,
                             "request /dev/gpiochip1 4,7 00", "set 01"},
                      Wiring{"only pin 9", "gpio:gpiochip2:-,-,-,-,-,-,-,0:active-low", 0b10000000,
                             "request gpiochip2 0 1", "set 0"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(GpioPort, RequestsOnceAndSetsOncePerWrite) {
  FakeGpioLines chip;
  GpioPort port(map_of("gpio:gpiochip0:1,2,3"), chip);
  EXPECT_EQ(port.name(), "gpio:gpiochip0:1,2,3");
  EXPECT_EQ(port.availability(), PortAvailability::Usable);
  for (std::uint8_t byte : {1, 2, 4, 0}) port.write(byte);
  EXPECT_THAT(chip.calls, ElementsAre("request gpiochip0 1,2,3 000", "set 100", "set 010",
                                      "set 001", "set 000"));
}

struct Refusal {
  const char* what;
  int error;
  PortAvailability availability;
  const char* reason;
  friend void PrintTo(const Refusal& r, std::ostream* out) { *out << r.what; }
};

class GpioRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(GpioRefusal, IsAFailedWriteWithAdviceAndTheNextWriteAsksAgain) {
  const Refusal& r = GetParam();
  FakeGpioLines chip;
  chip.request_error = r.error;
  GpioPort port(map_of("gpio:gpiochip9:17,27"), chip);

  EXPECT_EQ(port.availability(), r.availability);
  const std::string description = failure_of(port, 3);
  EXPECT_THAT(description, HasSubstr("gpio:gpiochip9:17,27"));
  EXPECT_THAT(description, HasSubstr(r.reason));
  EXPECT_EQ(port.advice(), description);
  EXPECT_EQ(chip.held, 0);

  // The kernel gives the lines now (a permission granted, the chip loaded).
  chip.request_error = 0;
  port.write(3);
  EXPECT_THAT(port.advice(), IsEmpty());
  EXPECT_THAT(chip.calls, ElementsAre("request gpiochip9 17,27 00", "request gpiochip9 17,27 00",
                                      "request gpiochip9 17,27 00", "set 11"));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, GpioRefusal,
    ::testing::Values(
        Refusal{"no such chip", ENOENT, PortAvailability::Absent, "нет такого GPIO-чипа"},
        Refusal{"a line past the chip's end", ERANGE, PortAvailability::Unusable,
                "нет такой линии"},
        Refusal{"a line held by another program", EBUSY, PortAvailability::Unusable, "занята"},
        Refusal{"no permission", EACCES, PortAvailability::Unusable, "группа gpio"},
        Refusal{"something else", EIO, PortAvailability::Unusable, "gpio:gpiochip9:17,27: "}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(GpioPort, AFailedSetReleasesTheLinesAndTheNextWriteRequestsThemAfresh) {
  FakeGpioLines chip;
  GpioPort port(map_of("gpio:gpiochip0:5"), chip);
  port.write(1);
  chip.set_error = ENODEV;  // an expander unplugged
  EXPECT_THAT(failure_of(port, 0), HasSubstr("нет такого GPIO-чипа"));
  EXPECT_EQ(chip.held, 0);
  chip.set_error = 0;
  port.write(1);
  EXPECT_THAT(chip.calls, ElementsAre("request gpiochip0 5 0", "set 1", "set 0", "release",
                                      "request gpiochip0 5 0", "set 1"));
}

// On a kernel with the GPIO simulator the real libgpiod path is tried on a
// simulated chip: the lines must reach the levels written.
TEST(GpioPortOnTheKernel, DrivesASimulatedChip) {
  const std::filesystem::path sim = "/sys/kernel/config/gpio-sim";
  std::error_code error;
  if (!std::filesystem::is_directory(sim, error))
    GTEST_SKIP() << "this kernel has no gpio-sim (no " << sim << ")";
  const std::filesystem::path chip = sim / ("kolvar-test-" + std::to_string(::getpid()));
  if (!std::filesystem::create_directory(chip, error))
    GTEST_SKIP() << "cannot make a simulated chip: " << error.message();
  struct Removal {
    std::filesystem::path chip;
    ~Removal() {
      std::ofstream(chip / "live") << 0;
      std::error_code ignored;
      std::filesystem::remove(chip / "bank0", ignored);
      std::filesystem::remove(chip, ignored);
    }
  } removal{chip};
  std::filesystem::create_directory(chip / "bank0", error);
  std::ofstream(chip / "bank0" / "num_lines") << 8;
  std::ofstream(chip / "live") << 1;
  std::string name;
  std::ifstream(chip / "bank0" / "chip_name") >> name;
  ASSERT_FALSE(name.empty()) << "the simulated chip did not come alive";

  GpioPort port(map_of(("gpio:" + name + ":0,1,2,3,4,5,6,7:active-low").c_str()));
  port.write(0b00000101);
  const std::filesystem::path sysfs = "/sys/devices/platform";
  std::string levels;
  for (int line = 0; line < 8; ++line) {
    std::string value;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sysfs, error)) {
      if (entry.path().filename() == "sim_gpio" + std::to_string(line) &&
          entry.path().parent_path().filename() == name) {
        std::ifstream(entry.path() / "value") >> value;
        break;
      }
    }
    levels += value;
  }
  EXPECT_EQ(levels, "01011111");
}

}  // namespace
}  // namespace kolvar::platform

#endif
