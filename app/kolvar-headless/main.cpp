// kolvar-headless [SCRIPT]: runs a scenario script (standard input when none
// is given) against the controller on virtual time, in the current folder.
#include <fstream>
#include <iostream>

#include "kolvar-headless/scenario_runner.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: kolvar-headless [SCRIPT]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
      std::cerr << "kolvar-headless: cannot read " << argv[1] << '\n';
      return 2;
    }
    return kolvar::headless::run_scenario(script, std::cout, std::cerr);
  }
  return kolvar::headless::run_scenario(std::cin, std::cout, std::cerr);
}
