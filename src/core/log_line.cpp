#include "core/log_line.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kolvar::core {

namespace {

constexpr std::size_t kUsedCharacters = 58;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The first characters of a line: their text and where each one starts in
// it, with one more entry for the end.
struct Characters {
  std::string text;
  std::vector<std::size_t> starts;

  std::size_t count() const { return starts.size() - 1; }
};

bool in(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 character at the start of s, or 0 when
// its first byte starts none (overlong forms, surrogates and values past
// U+10FFFF are not well-formed).
std::size_t utf8_length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(0);
  if (b0 < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (in(b0, 0xC2, 0xDF)) {
    length = 2;
  } else if (in(b0, 0xE0, 0xEF)) {
    length = 3;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (in(b0, 0xF0, 0xF4)) {
    length = 4;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length || !in(byte(1), low, high)) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!in(byte(i), 0x80, 0xBF)) return 0;
  }
  return length;
}

Characters first_characters(std::string_view line, std::size_t wanted) {
  Characters result;
  std::size_t position = 0;
  while (position < line.size() && result.starts.size() < wanted) {
    result.starts.push_back(result.text.size());
    const std::size_t length = utf8_length(line.substr(position));
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
  fields.time = trimmed(field(text, 1, 8));
  for (std::size_t k = 1; k <= fields.sensor.size(); ++k) {
    fields.sensor[k - 1] = trimmed(field(text, 10 * k, 10 * k + 8));
  }
  return fields;
}

}  // namespace

LogFields split_log_line(std::string_view line) {
  const std::string_view used = line.substr(0, std::min(line.size(), kUsedCharacters));
  const bool ascii = std::all_of(used.begin(), used.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  // An ASCII byte is one character, so plain lines need no decoding.
  if (ascii) return split(used);
  return split(first_characters(line, kUsedCharacters));
}

}  // namespace kolvar::core
