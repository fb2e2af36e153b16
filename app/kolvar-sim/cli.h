#pragma once
// kolvar-sim's command line as a whole.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "kolvar-sim/options.h"
#include "launch/sim_window.h"

namespace kolvar::simapp {

// Opens the window on the simulated column and returns the exit code.
using WindowRun = std::function<int(const launch::SimWindowOptions&, std::ostream& err)>;

// Exit codes: 0 after a run; 2 for wrong options, for no --headless when
// there is no `window` (the desktop build is needed for it) and for a file
// that cannot be read or written.
int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const WindowRun& window = {});

}  // namespace kolvar::simapp
