#pragma once
// kolvar-sim's windows in Qt: the main window on the simulated column, the
// simulator's window and the live plot beside it, in the working folder.
#include <iosfwd>

#include "launch/sim_window.h"

namespace kolvar::qtlaunch {

// Its exit status: 2 for a settings file that cannot be had or a charge that
// makes no column.
int run_sim_window(int& argc, char** argv, const launch::SimWindowOptions& options,
                   std::ostream& err);

}  // namespace kolvar::qtlaunch
