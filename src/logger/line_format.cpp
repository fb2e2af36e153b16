#include "logger/line_format.h"

#include <cstdio>
#include <cstdlib>

namespace kolvar::logger {

namespace {

constexpr std::size_t kFieldWidth = 9;

}  // namespace

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
  std::string line(stamp, 8);
  for (const auto& value : millidegrees) {
    std::string field = value ? temperature_text(*value) : "";
    field.resize(kFieldWidth, ' ');
    line += ' ';
    line += field;
  }
  line.erase(line.find_last_not_of(' ') + 1);
  line += "\r\n";
  return line;
}

}  // namespace kolvar::logger
