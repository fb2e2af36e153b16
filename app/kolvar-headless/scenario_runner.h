#pragma once
// The scenario language of kolvar-headless: one command a line, run against
// the controller on virtual time with recording fakes.
#include <iosfwd>

namespace kolvar::headless {

// Exit codes: 0 every line ran and every expectation held; 1 an expectation
// failed; 2 a script error (the run stops at the line).
int run_scenario(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace kolvar::headless
