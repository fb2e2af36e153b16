#pragma once
// How a script line goes wrong, for every part of the scenario runner.
#include <stdexcept>

namespace kolvar::headless {

// A mistake in the script itself: reported with its line, ends the run with 2.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An expectation that did not hold: ends the run with 1.
struct ExpectFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace kolvar::headless
