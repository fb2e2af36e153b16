// kolvar-headless [SCRIPT]: runs a scenario script (standard input when none
// is given) against the controller on virtual time, in the current folder.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "kolvar-headless/scenario_runner.h"
#include "platform/command_line.h"

namespace {

constexpr char kUsage[] =
    "usage: kolvar-headless [SCRIPT]\n"
    "  Runs a scenario script (standard input when none is given) against the\n"
    "  controller on virtual time, in the current folder.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace kolvar::platform;
  const std::vector<std::string> args(argv + 1, argv + argc);
  switch (standard_option(args)) {
    case StandardOption::Help:
      std::cout << kUsage;
      return 0;
    case StandardOption::Version:
      std::cout << version_line("kolvar-headless");
      return 0;
    case StandardOption::None:
      break;
  }
  // A script's name never starts with a dash here: such an argument is an
  // option this program does not have.
  if (args.size() > 1 || (args.size() == 1 && args[0].starts_with("-"))) {
    if (args.size() == 1) std::cerr << "kolvar-headless: unknown option " << args[0] << '\n';
    std::cerr << kUsage;
    return kUsageStatus;
  }
  if (args.size() == 1) {
    std::ifstream script(args[0], std::ios::binary);
    if (!script) {
      std::cerr << "kolvar-headless: cannot read " << args[0] << '\n';
      return kUsageStatus;
    }
    return kolvar::headless::run_scenario(script, std::cout, std::cerr);
  }
  return kolvar::headless::run_scenario(std::cin, std::cout, std::cerr);
}
