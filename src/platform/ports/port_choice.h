#pragma once
// Where the desktop program's outputs go: to the GPIO lines named by --port,
// else to those named in the port file in the working folder, else through
// the platform's port backends as they are usually tried.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ports/default_ports.h"
#include "platform/ports/gpio_lines.h"
#include "platform/ports/gpio_map.h"

namespace kolvar::platform {

// Takes "--port VALUE" or "--port=VALUE" out of args and parses VALUE; the
// other arguments stay in order. Throws std::invalid_argument when the value
// is missing or wrong, or the option is given twice.
std::optional<GpioMap> take_port_option(std::vector<std::string>& args);

// The ports for a GPIO map from the command line, or else for the port file
// in folder if there is one, or else the platform's own. A port file that
// cannot be read or parsed does not stop the program: its first backend
// then refuses every write with the reason, which the operator is shown as
// for any refused port, and nothing else is tried, since the operator meant
// the outputs to go elsewhere.
DefaultPorts chosen_ports(const std::optional<GpioMap>& from_command_line,
                          const std::filesystem::path& folder,
                          GpioLines& lines = system_gpio_lines());

}  // namespace kolvar::platform
