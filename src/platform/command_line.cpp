#include "platform/command_line.h"

#include <algorithm>

#include "platform/version.h"

namespace kolvar::platform {

StandardOption standard_option(const std::vector<std::string>& args) {
  auto given = [&](std::string_view option) {
    return std::find(args.begin(), args.end(), option) != args.end();
  };
  if (given("--help") || given("-h")) return StandardOption::Help;
  if (given("--version")) return StandardOption::Version;
  return StandardOption::None;
}

std::string version_line(std::string_view program) {
  return std::string(program) + " " + version() + "\n";
}

}  // namespace kolvar::platform
