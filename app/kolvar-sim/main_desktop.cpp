// kolvar-sim with the desktop build: without --headless it opens the window
// on a simulated column in the working folder; with it, it plays a whole run
// as the program without the desktop does.
#include <iostream>
#include <string>
#include <vector>

#include "kolvar-sim/cli.h"
#include "kolvar-sim/desktop_run.h"

int main(int argc, char** argv) {
  using namespace kolvar::simapp;
  const std::vector<std::string> args(argv + 1, argv + argc);
  return run_cli(args, std::cout, std::cerr, [&](const Options& options, std::ostream& err) {
    return run_window(argc, argv, options, err);
  });
}
