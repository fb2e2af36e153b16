#pragma once
// The fields of one logger line, taken by fixed character positions rather
// than by separators: the logger pads its columns with blanks.
#include <array>
#include <string>
#include <string_view>

#include "platform/log_line_layout.h"

namespace kolvar::core {

struct LogFields {
  std::string time;  // characters 1 to 8
  // sensor[k - 1]: characters 10k to 10k + 8
  std::array<std::string, platform::log_line::kSensors> sensor;
};

// The layout is platform/log_line_layout.h. Positions count characters from
// 1; characters from 59 on are ignored, and
// a field reaching past the end of a short line gets what exists (maybe
// nothing). Each field is trimmed of leading and trailing blanks (spaces
// only). Non-ASCII text is taken as UTF-8; a byte that does not belong to a
// well-formed UTF-8 character counts as one character and comes out as
// U+FFFD, so the fields are always valid UTF-8.
LogFields split_log_line(std::string_view line);

}  // namespace kolvar::core
