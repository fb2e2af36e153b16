// kolvar-sim.exe: without --headless it opens the window on a simulated
// column in the working folder, with the simulator's window and the live
// plot beside it; with it, it plays a whole run. A program of the GUI
// subsystem: what it prints reaches the console it was started from.
#include <iostream>
#include <string>
#include <vector>

#include "kolvar-sim/cli.h"
#include "winview/parent_console.h"
#include "winview/sim_window_run.h"

int main(int argc, char** argv) {
  kolvar::winview::attach_parent_console();
  const std::vector<std::string> args(argv + 1, argv + argc);
  return kolvar::simapp::run_cli(
      args, std::cout, std::cerr,
      [](const kolvar::launch::SimWindowOptions& window, std::ostream& err) {
        return kolvar::winview::run_sim_window(window, err);
      });
}
