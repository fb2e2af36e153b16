#pragma once
// --help and --version, answered before any toolkit starts: they need no
// display.
#include <iosfwd>
#include <optional>
#include <string>

namespace kolvar::launch {

// The exit status when the command line is --help (the usage on `out`) or
// --version; nothing otherwise.
std::optional<int> answer_standard_option(int argc, char** argv, const char* program,
                                          const std::string& usage, std::ostream& out);

}  // namespace kolvar::launch
