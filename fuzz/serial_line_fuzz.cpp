// What a board prints on its serial port, in any pieces: the assembler
// never hands over a line longer than its limit or holding a line end, the
// same bytes give the same lines however they are split, and the line
// parser gives only columns 1 to 5, each number a value it could print
// back.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "logger/degrees_text.h"
#include "logger/line_assembler.h"
#include "logger/line_format.h"
#include "logger/serial_line.h"

using namespace kolvar;

namespace {

std::vector<std::string> lines_of(std::string_view bytes, std::size_t piece) {
  logger::LineAssembler assembler;
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    for (std::string& line : assembler.add(bytes.substr(at, piece))) lines.push_back(line);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> whole = lines_of(bytes, bytes.size() + 1);
  const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 7;
  fuzz::require(lines_of(bytes, piece) == whole, "the pieces do not change the lines");

  const std::array<std::string, logger::kColumns> ids{"28-0000075a1b2c", "tank", "", "A:B", "x"};
  for (const std::string& line : whole) {
    fuzz::require(!line.empty() && line.size() <= logger::kLongestSerialLine,
                  "a line is never empty or over-long", line);
    fuzz::require(line.find_first_of("\r\n") == std::string::npos, "a line holds no line end",
                  line);
    for (const logger::ColumnReading& reading : logger::parse_serial_line(line, ids)) {
      fuzz::require(reading.column >= 1 && reading.column <= logger::kColumns,
                    "a reading's column is one of the log's", line);
      if (!reading.millidegrees) continue;
      const std::string text = logger::temperature_text(*reading.millidegrees);
      fuzz::require(logger::parse_millidegrees(text) == reading.millidegrees,
                    "a reading written reads back", text);
    }
  }
  return 0;
}
