#include "logger/line_assembler.h"

namespace kolvar::logger {

std::vector<std::string> LineAssembler::add(std::string_view bytes) {
  std::vector<std::string> lines;
  for (char c : bytes) {
    if (c == '\n' || c == '\r') {
      if (!skipping_ && !partial_.empty()) lines.push_back(partial_);
      partial_.clear();
      skipping_ = false;
    } else if (!skipping_) {
      if (partial_.size() == kLongestSerialLine) {
        partial_.clear();
        skipping_ = true;
      } else {
        partial_ += c;
      }
    }
  }
  return lines;
}

void LineAssembler::restart() {
  partial_.clear();
  skipping_ = true;
}

}  // namespace kolvar::logger
