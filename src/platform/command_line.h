#pragma once
// What every Kolvar program does with its command line before its own
// options: --help (or -h) prints the usage on standard output and --version
// the version, both ending with status 0; a wrong option prints the usage on
// standard error and ends with kUsageStatus.
#include <string>
#include <string_view>
#include <vector>

namespace kolvar::platform {

inline constexpr int kUsageStatus = 2;

enum class StandardOption { None, Help, Version };

// --help anywhere among args, else --version anywhere, else None: asking for
// help is honoured even beside an option that would be refused.
StandardOption standard_option(const std::vector<std::string>& args);

// "PROGRAM VERSION" and a line end.
std::string version_line(std::string_view program);

}  // namespace kolvar::platform
