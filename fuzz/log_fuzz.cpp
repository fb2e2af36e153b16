// The logger's log: the reader gives the last line that reading every line
// from the first would end with (or refuses one too long), and the fields of
// any line are short, trimmed, valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "core/log_line.h"
#include "core/log_reader.h"
#include "form/utf8.h"
#include "fuzz_support.h"
#include "platform/failure.h"

using namespace kolvar;

namespace {

// The last line as a reader from the first line finds it; nullopt for one
// longer than a log line may be.
std::string reference_last_line(std::string_view content, bool& too_long) {
  std::string line, last;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    last = line;
    line.clear();
  }
  if (!content.empty() && content.back() != '\r' && content.back() != '\n') last = line;
  too_long = last.size() > core::kMaxLastLineBytes;
  return last;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::enter_scratch_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  std::ofstream("keeper.log", std::ios::binary | std::ios::trunc) << content;

  bool too_long = false;
  const std::string expected = reference_last_line(content, too_long);
  try {
    const std::string last = core::read_last_line("keeper.log");
    fuzz::require(!too_long, "a last line too long is refused");
    fuzz::require(last == expected, "the last line is the last line");
  } catch (const Failure&) {
    fuzz::require(too_long, "only a last line too long fails");
  }

  const core::LogFields fields = core::split_log_line(content);
  fuzz::require(form::is_utf8(fields.time), "the time field is valid UTF-8");
  for (const std::string& sensor : fields.sensor) {
    fuzz::require(form::is_utf8(sensor), "every sensor field is valid UTF-8");
    fuzz::require(sensor.empty() || (sensor.front() != ' ' && sensor.back() != ' '),
                  "fields are trimmed", sensor);
    // Nine characters of at most four bytes each.
    fuzz::require(sensor.size() <= 9 * 4, "a field holds at most nine characters", sensor);
  }
  return 0;
}
