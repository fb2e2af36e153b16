#pragma once
// kolvar-sim without --headless: the desktop window on the simulated column,
// with the simulator's window beside it, in the working folder.
#include <iosfwd>

#include "kolvar-sim/options.h"

namespace kolvar::simapp {

// When the folder has no "mytunes.log", one is written that has the
// controller read the simulated log; otherwise the plant writes its log where
// the folder's file says. Returns the event loop's exit code, or 2 when the
// settings file cannot be read or written.
int run_window(int& argc, char** argv, const Options& options, std::ostream& err);

}  // namespace kolvar::simapp
