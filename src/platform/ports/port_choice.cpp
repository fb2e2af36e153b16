#include "platform/ports/port_choice.h"

#include <stdexcept>

namespace kolvar::platform {

std::optional<GpioMap> take_port_option(std::vector<std::string>& args) {
  constexpr std::string_view kOption = "--port";
  std::optional<GpioMap> map;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == kOption) {
      if (i + 1 == args.size()) throw std::invalid_argument("--port needs a value");
      value = args[++i];
    } else if (arg.rfind(std::string(kOption) + "=", 0) == 0) {
      value = arg.substr(kOption.size() + 1);
    } else {
      rest.push_back(arg);
      continue;
    }
    if (map) throw std::invalid_argument("--port given twice");
    map = parse_gpio_port(value);
  }
  args = std::move(rest);
  return map;
}

}  // namespace kolvar::platform
