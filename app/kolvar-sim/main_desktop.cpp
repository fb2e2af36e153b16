// kolvar-sim with the desktop build: without --headless it opens the window
// on a simulated column in the working folder, with the simulator's window
// and the live plot beside it; with it, it plays a whole run as the program
// without the desktop does.
#include <iostream>
#include <string>
#include <vector>

#include "kolvar-sim/cli.h"
#include "qtlaunch/sim_window_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return kolvar::simapp::run_cli(
      args, std::cout, std::cerr,
      [&](const kolvar::launch::SimWindowOptions& window, std::ostream& err) {
        return kolvar::qtlaunch::run_sim_window(argc, argv, window, err);
      });
}
