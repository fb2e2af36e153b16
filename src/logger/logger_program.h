#pragma once
// kolvar-logger as a whole, on any system: its options and configuration,
// the sources they name, the one-copy lock and the loop of lines until a
// stop request. The system's own parts are behind host.h,
// instance_lock.h and log_append.h; main() only hands the arguments over.
#include <iosfwd>
#include <string>
#include <vector>

namespace kolvar::logger {

// args: the arguments after the program name. Returns the exit status.
int logger_main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kolvar::logger
