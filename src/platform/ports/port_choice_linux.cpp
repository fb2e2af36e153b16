#include "platform/ports/port_choice.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "platform/files/read_only_file.h"
#include "platform/ports/gpio_port.h"
#include "platform/ports/no_port.h"
#include "platform/system_reason.h"

namespace kolvar::platform {
namespace {

// A port file is a few lines; anything much longer is not one.
constexpr std::uint64_t kMostFileBytes = 64 * 1024;

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
  if (error) return only(std::make_unique<NoPort>(name, name + ": " + system_reason(error)));
  std::string text;
  try {
    text = read_small_file(file, kMostFileBytes);
  } catch (const std::system_error& refused) {
    return only(
        std::make_unique<NoPort>(name, name + ": " + small_file_refusal(refused, kMostFileBytes)));
  }
  try {
    return only(std::make_unique<GpioPort>(parse_port_file(text), lines));
  } catch (const std::invalid_argument& mistake) {
    return only(std::make_unique<NoPort>(name, name + ": " + mistake.what()));
  }
}

}  // namespace kolvar::platform
