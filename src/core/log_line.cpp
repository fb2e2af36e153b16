#include "core/log_line.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "form/utf8.h"

namespace kolvar::core {

namespace {

namespace layout = platform::log_line;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The first characters of a line: their text and where each one starts in
// it, with one more entry for the end.
struct Characters {
  std::string text;
  std::vector<std::size_t> starts;

  std::size_t count() const { return starts.size() - 1; }
};

Characters first_characters(std::string_view line, std::size_t wanted) {
  Characters result;
  std::size_t position = 0;
  while (position < line.size() && result.starts.size() < wanted) {
    result.starts.push_back(result.text.size());
    const std::size_t length = form::utf8_length(line.substr(position));
    if (length == 0) {
      result.text += kReplacement;
      position += 1;
    } else {
      result.text += line.substr(position, length);
      position += length;
    }
  }
  result.starts.push_back(result.text.size());
  return result;
}

std::string trimmed(std::string_view field) {
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = field.find_last_not_of(' ');
  return std::string(field.substr(first, last - first + 1));
}

// Characters first..last (from 1), or those of them that exist.
std::string_view field(const Characters& characters, std::size_t first, std::size_t last) {
  const std::size_t begin = std::min(first - 1, characters.count());
  const std::size_t end = std::min(last, characters.count());
  return std::string_view(characters.text)
      .substr(characters.starts[begin], characters.starts[end] - characters.starts[begin]);
}

std::string_view field(std::string_view ascii, std::size_t first, std::size_t last) {
  if (first > ascii.size()) return {};
  return ascii.substr(first - 1, last - first + 1);
}

template <typename Text>
LogFields split(const Text& text) {
  LogFields fields;
  fields.time = trimmed(field(text, layout::kStampFirst, layout::kStampLast));
  for (int k = 1; k <= layout::kSensors; ++k) {
    fields.sensor[static_cast<std::size_t>(k - 1)] =
        trimmed(field(text, layout::sensor_first(k), layout::sensor_last(k)));
  }
  return fields;
}

}  // namespace

LogFields split_log_line(std::string_view line) {
  const std::string_view used = line.substr(0, std::min(line.size(), layout::kUsedCharacters));
  const bool ascii = std::all_of(used.begin(), used.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  // An ASCII byte is one character, so plain lines need no decoding.
  if (ascii) return split(used);
  return split(first_characters(line, layout::kUsedCharacters));
}

}  // namespace kolvar::core
