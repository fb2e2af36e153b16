#pragma once
// kolvar-sim's command line as a whole.
#include <iosfwd>
#include <string>
#include <vector>

namespace kolvar::simapp {

// Exit codes: 0 after a run; 2 for wrong options, for no --headless (the
// window on the simulated column needs the desktop build) and for a file
// that cannot be read or written.
int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kolvar::simapp
