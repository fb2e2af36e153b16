// kolvar-sim: the controller on a simulated column. With --headless it plays
// a whole run in the working folder and prints its summary; the window on
// the simulated column comes with the desktop build.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "kolvar-sim/headless_run.h"
#include "kolvar-sim/options.h"

int main(int argc, char** argv) {
  using namespace kolvar::simapp;
  Options options;
  try {
    options = parse_options(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::cerr << "kolvar-sim: " << e.what() << '\n' << kUsage;
    return 2;
  }
  if (!options.headless) {
    std::cerr << "kolvar-sim: the window on the simulated column needs the desktop build;\n"
                 "use --headless for a run without it\n"
              << kUsage;
    return 2;
  }
  return run_headless(options, std::cout, std::cerr);
}
