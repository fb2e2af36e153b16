#include "core/log_line.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kolvar::core {
namespace {

using Sensors = std::array<std::string, 5>;

// Separators are '|' so that a field one character too wide shows.
TEST(SplitLogLine, FieldsByPositionTrimmed) {
  //                  1       9         19        29        39        49        59
  const std::string line = "12:00:01|  88.3   |88.30    |     77.1| 7 7     |-0.5     |ignored";
  const LogFields fields = split_log_line(line);
  EXPECT_EQ(fields.time, "12:00:01");
  EXPECT_EQ(fields.sensor, (Sensors{"88.3", "88.30", "77.1", "7 7", "-0.5"}));
}

TEST(SplitLogLine, ShortLinesYieldWhatExists) {
  const struct {
    std::string line;
    std::string time;
    Sensors sensor;
  } cases[] = {
      {"", "", {}},
      {"12:0", "12:0", {}},
      {"12:00:01| 1", "12:00:01", {"1", "", "", "", ""}},
      // Shorter than 50 characters: column 5 is empty.
      {"12:00:01|1        |2        |3        |4        |", "12:00:01", {"1", "2", "3", "4", ""}},
      {"12:00:01|1        |2        |3        |4        |5", "12:00:01", {"1", "2", "3", "4", "5"}},
      {"        |         |         |         |         |         ", "", {}},
  };
  for (const auto& c : cases) {
    const LogFields fields = split_log_line(c.line);
    EXPECT_EQ(fields.time, c.time) << c.line;
    EXPECT_EQ(fields.sensor, c.sensor) << c.line;
  }
}

// Positions count characters: multi-byte characters before a field must not
// shift it, and a byte that is not UTF-8 counts as one character and comes
// out as U+FFFD.
TEST(SplitLogLine, CountsCharactersNotBytes) {
  const std::string rest = "|88,3°C   |2        |3        |4        |5        |Ёж";
  const struct {
    std::string time_field;
    std::string time;
  } cases[] = {
      {"Время 01", "Время 01"},
      {"12:00:0\xF0\x9F\x94\xA5", "12:00:0\xF0\x9F\x94\xA5"},
      {"12:00:0\xFF", "12:00:0\xEF\xBF\xBD"},
      {"12:00\xE2\x82"
       "1",
       "12:00\xEF\xBF\xBD\xEF\xBF\xBD"
       "1"},  // cut short
      {"12:0\xC0\xAF"
       "01",
       "12:0\xEF\xBF\xBD\xEF\xBF\xBD"
       "01"},  // overlong
      {"12:\xED\xA0\x80"
       "01",
       "12:\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
       "01"},  // surrogate
  };
  for (const auto& c : cases) {
    const LogFields fields = split_log_line(c.time_field + rest);
    EXPECT_EQ(fields.time, c.time) << c.time_field;
    EXPECT_EQ(fields.sensor, (Sensors{"88,3°C", "2", "3", "4", "5"})) << c.time_field;
  }
}

TEST(SplitLogLine, NonAsciiPastTheUsedColumnsChangesNothing) {
  const std::string ascii = "12:00:01|1        |2        |3        |4        |5        |";
  const LogFields plain = split_log_line(ascii);
  const LogFields tailed = split_log_line(ascii + "°\xFF");
  EXPECT_EQ(tailed.time, plain.time);
  EXPECT_EQ(tailed.sensor, plain.sensor);
}

}  // namespace
}  // namespace kolvar::core
