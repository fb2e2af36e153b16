#pragma once
// kolvar-sim --headless: a whole run of the controller on the simulated
// column in the working folder, as fast as the machine allows.
#include <iosfwd>

#include "kolvar-sim/options.h"

namespace kolvar::simapp {

// Runs in the working folder: with --settings its file becomes the folder's
// "mytunes.log"; without it the folder's own is used, or one is written for
// the simulated column when there is none. The plant writes its log where the
// settings have the controller read it. The program starts, the take-off type
// is chosen, "Старт системы" is pressed, and the run goes on until the system
// stops or the time limit. Message boxes and sounds are printed as they come,
// then the summary; the trace is written as the run goes.
// Returns 0 after a run, 2 when a file cannot be read or written.
int run_headless(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace kolvar::simapp
