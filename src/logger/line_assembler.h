#pragma once
// Lines out of the bytes a serial port gives, in whatever pieces they come.
// A line is used whole or not at all: the bytes before the first line end
// after an open (the tail of a line the board began before) are dropped,
// and so is a line longer than any board prints (noise at a wrong baud
// rate, a board stuck printing without line ends), to its end.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar::logger {

inline constexpr std::size_t kLongestSerialLine = 256;

class LineAssembler {
 public:
  // The lines that `bytes` completes, without their ends (LF, CR or CR LF);
  // empty lines are left out.
  std::vector<std::string> add(std::string_view bytes);

  // The port was opened (again): what comes first is the rest of a line.
  void restart();

 private:
  std::string partial_;
  bool skipping_ = true;  // until the next line end
};

}  // namespace kolvar::logger
