#include "logger/line_format.h"

#include <cstdio>
#include <cstdlib>

#include "platform/log_line_layout.h"

namespace kolvar::logger {

namespace layout = platform::log_line;

std::string temperature_text(int millidegrees) {
  const int magnitude = std::abs(millidegrees);
  char text[16];
  std::snprintf(text, sizeof text, "%s%d.%03d", millidegrees < 0 ? "-" : "", magnitude / 1000,
                magnitude % 1000);
  return text;
}

std::string format_line(const TimeOfDay& time,
                        const std::array<std::optional<int>, kColumns>& millidegrees) {
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  std::string line(stamp, layout::kStampWidth);
  for (const auto& value : millidegrees) {
    std::string field = value ? temperature_text(*value) : "";
    field.resize(layout::kFieldWidth, ' ');
    line += layout::kSeparator;
    line += field;
  }
  line.erase(line.find_last_not_of(' ') + 1);
  line += layout::kLineEnd;
  return line;
}

}  // namespace kolvar::logger
