// The scenario script parser: any script ends with exit code 0, 1 or 2 and
// never crashes the runner. Scripts that would touch files outside the
// working folder, or run virtual time for long, are left out.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "form/text_number.h"
#include "fuzz_support.h"
#include "kolvar-headless/scenario_runner.h"

using namespace kolvar;

namespace {

constexpr long long kLongestRunMs = 120000;

std::string_view first_word(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  return line.substr(0, line.find_first_of(" \t"));
}

// Whether the script stays in the folder and in a short span of virtual time.
bool contained(std::string_view script) {
  long long run_ms = 0;
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
    const std::string_view command = first_word(line);
    if (command == "write" || command == "append" || command == "remove") {
      const std::size_t at = line.find(command) + command.size();
      const std::string_view path = first_word(line.substr(at));
      if (path.find('/') != std::string_view::npos || path.find('\\') != std::string_view::npos ||
          path.starts_with('.') || path == "mytunes.log")
        return false;
    }
    if (command == "advance") {
      const double ms = form::numeric_value(line.substr(line.find(command) + command.size()));
      if (!(ms >= 0 && ms <= kLongestRunMs)) return false;
      run_ms += static_cast<long long>(ms);
      if (run_ms > kLongestRunMs) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::enter_scratch_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  if (!contained(script)) return -1;
  std::istringstream in(script);
  std::ostringstream out, err;
  const int rc = headless::run_scenario(in, out, err);
  fuzz::require(rc == 0 || rc == 1 || rc == 2, "the exit code is 0, 1 or 2", std::to_string(rc));
  fuzz::require(rc != 2 || !err.str().empty(), "a script error says where");
  return 0;
}
