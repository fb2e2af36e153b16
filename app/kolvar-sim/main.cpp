// kolvar-sim: the controller on a simulated column. With --headless it plays
// a whole run in the working folder and prints its summary; the window on
// the simulated column comes with the desktop build.
#include <iostream>
#include <string>
#include <vector>

#include "kolvar-sim/cli.h"

int main(int argc, char** argv) {
  return kolvar::simapp::run_cli(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
