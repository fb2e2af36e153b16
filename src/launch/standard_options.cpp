#include "launch/standard_options.h"

#include <ostream>
#include <vector>

#include "platform/command_line.h"

namespace kolvar::launch {

std::optional<int> answer_standard_option(int argc, char** argv, const char* program,
                                          const std::string& usage, std::ostream& out) {
  switch (platform::standard_option(std::vector<std::string>(argv + 1, argv + argc))) {
    case platform::StandardOption::Help:
      out << usage << std::flush;
      return 0;
    case platform::StandardOption::Version:
      out << platform::version_line(program) << std::flush;
      return 0;
    case platform::StandardOption::None:
      break;
  }
  return std::nullopt;
}

}  // namespace kolvar::launch
