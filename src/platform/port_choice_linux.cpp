#include "platform/port_choice.h"

#include <fstream>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "platform/gpio_port.h"
#include "platform/no_port.h"
#include "platform/system_reason.h"

namespace kolvar::platform {
namespace {

// A port file is a few lines; anything much longer is not one.
constexpr std::streamsize kMostFileBytes = 64 * 1024;

DefaultPorts only(std::unique_ptr<PortBackend> first) {
  return {std::move(first), std::make_unique<NoPort>("-", "no second port is tried")};
}

}  // namespace

DefaultPorts chosen_ports(const std::optional<GpioMap>& from_command_line,
                          const std::filesystem::path& folder, GpioLines& lines) {
  if (from_command_line) return only(std::make_unique<GpioPort>(*from_command_line, lines));
  const std::filesystem::path file = folder / kPortFileName;
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !error) return default_ports();
  const std::string name(kPortFileName);
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    const std::string why = error ? system_reason(error) : "cannot be read";
    return only(std::make_unique<NoPort>(name, name + ": " + why));
  }
  std::string text(static_cast<std::size_t>(kMostFileBytes) + 1, '\0');
  in.read(text.data(), kMostFileBytes + 1);
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > static_cast<std::size_t>(kMostFileBytes))
    return only(std::make_unique<NoPort>(name, name + ": too long for a port file"));
  try {
    return only(std::make_unique<GpioPort>(parse_port_file(text), lines));
  } catch (const std::invalid_argument& mistake) {
    return only(std::make_unique<NoPort>(name, name + ": " + mistake.what()));
  }
}

}  // namespace kolvar::platform
