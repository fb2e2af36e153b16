// kolvar-sim.exe: without --headless it opens the window on a simulated
// column in the working folder, with the simulator's window and the live
// plot beside it; with it, it plays a whole run. A program of the GUI
// subsystem: what it prints reaches the console it was started from.
#include <iostream>
#include <string>
#include <vector>

#include "kolvar-sim/cli.h"
#include "kolvar-sim/desktop_run.h"
#include "kolvar/console_output.h"

int main(int argc, char** argv) {
  using namespace kolvar::simapp;
  kolvar_app::attach_parent_console();
  const std::vector<std::string> args(argv + 1, argv + argc);
  return run_cli(args, std::cout, std::cerr, [&](const Options& options, std::ostream& err) {
    return run_window(argc, argv, options, err);
  });
}
