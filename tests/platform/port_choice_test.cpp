#ifdef __linux__

#include "platform/ports/port_choice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/failure.h"
#include "support/temp_folder.h"

namespace kolvar::platform {
namespace {

std::string failure_of(PortBackend& port) {
  try {
    port.write(0);
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "no failure";
}

struct Choice {
  const char* what;
  bool option;       // --port gpio:gpiochip7:1,2 given
  const char* file;  // the port file's text, or nullptr for none
  const char* first;
  const char* advice_starts;  // "" when the backend gives no advice of its own
};

TEST(ChosenPorts, TheCommandLineThenThePortFileThenTheUsualBackends) {
  const std::vector<Choice> cases = {
      {"nothing chosen", false, nullptr, "/dev/parport0", ""},
      {"--port", true, nullptr, "gpio:gpiochip7:1,2", "gpio:gpiochip7:1,2: "},
      {"the port file", false, "chip gpiochip8\nlines -,3\npolarity active-low\n",
       "gpio:gpiochip8:-,3:active-low", "gpio:gpiochip8:-,3:active-low: "},
      {"--port over the port file", true, "chip gpiochip8\nlines 3\n", "gpio:gpiochip7:1,2",
       "gpio:gpiochip7:1,2: "},
      {"a wrong port file", false, "chip gpiochip8\nlines 3,x\n", "kolvar-port.conf",
       "kolvar-port.conf: line 2: the line for data pin 3"},
  };
  for (const Choice& c : cases) {
    SCOPED_TRACE(c.what);
    kolvar::testing::TempFolder folder;
    if (c.file) std::ofstream(folder.file("kolvar-port.conf")) << c.file;
    const std::optional<GpioMap> option =
        c.option ? std::optional(parse_gpio_port("gpio:gpiochip7:1,2")) : std::nullopt;
    DefaultPorts ports = chosen_ports(option, folder.path());
    EXPECT_EQ(ports.first->name(), c.first);
    if (std::string(c.advice_starts).empty()) continue;
    // No such chip on this machine (nor a port file's mistake): refused, with
    // the reason as advice, and nothing else is tried after it.
    const std::string failure = failure_of(*ports.first);
    EXPECT_EQ(failure.rfind(c.advice_starts, 0), 0u) << failure;
    EXPECT_EQ(ports.first->advice(), failure);
    EXPECT_EQ(ports.second->availability(), PortAvailability::Absent);
  }
}

TEST(ChosenPorts, APortFileThatIsNoRegularFileIsRefusedByName) {
  // A FIFO would block the start; a link to a device would never end.
  kolvar::testing::TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.file("kolvar-port.conf").c_str(), 0600), 0);
  DefaultPorts ports = chosen_ports(std::nullopt, folder.path());
  EXPECT_EQ(ports.first->name(), "kolvar-port.conf");
  EXPECT_EQ(failure_of(*ports.first), "kolvar-port.conf: not a regular file");
}

}  // namespace
}  // namespace kolvar::platform

#endif
