#include "platform/ports/gpio_map.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "platform/trimmed.h"

namespace kolvar::platform {
namespace {

[[noreturn]] void refuse(const std::string& what) {
  throw std::invalid_argument(what);
}

std::vector<std::string_view> split(std::string_view text, char at) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto end = text.find(at);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

void check_chip(std::string_view chip) {
  if (chip.empty()) refuse("no GPIO chip named");
  // A colon would end the chip's name on the command line.
  if (chip.find_first_of(" \t:") != std::string_view::npos)
    refuse("a GPIO chip's name has no blanks or colons: '" + std::string(chip) + "'");
}

std::array<std::optional<unsigned>, kGpioPins> parse_lines(std::string_view text) {
  std::array<std::optional<unsigned>, kGpioPins> line;
  const auto items = split(text, ',');
  if (items.size() > static_cast<std::size_t>(kGpioPins))
    refuse("more than " + std::to_string(kGpioPins) + " lines given for data pins 2 to 9");
  for (std::size_t k = 0; k < items.size(); ++k) {
    const std::string_view item = trimmed(items[k]);
    if (item.empty() || item == "-") continue;
    unsigned offset = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), offset);
    if (error != std::errc() || end != item.data() + item.size())
      refuse("the line for data pin " + std::to_string(k + 2) + " is not a line offset: '" +
             std::string(item) + "'");
    if (std::find(line.begin(), line.end(), offset) != line.end())
      refuse("line " + std::to_string(offset) + " is given for two data pins");
    line[k] = offset;
  }
  if (std::none_of(line.begin(), line.end(), [](const auto& l) { return l.has_value(); }))
    refuse("no data pin is mapped to a line");
  return line;
}

bool parse_polarity(std::string_view text) {
  if (text == "active-low") return true;
  if (text == "active-high") return false;
  refuse("the polarity is active-low or active-high, not '" + std::string(text) + "'");
}

}  // namespace

std::vector<unsigned> GpioMap::offsets() const {
  std::vector<unsigned> result;
  for (const auto& l : line)
    if (l) result.push_back(*l);
  return result;
}

std::vector<int> GpioMap::levels(std::uint8_t byte) const {
  std::vector<int> result;
  for (int k = 0; k < kGpioPins; ++k) {
    if (!line[k]) continue;
    const bool high = ((byte >> k) & 1) != 0;
    result.push_back(high != active_low ? 1 : 0);
  }
  return result;
}

std::string GpioMap::port_text() const {
  // Trailing unmapped pins are left out, as they may be on the command line.
  int last = kGpioPins - 1;
  while (last > 0 && !line[last]) --last;
  std::string text = "gpio:" + chip + ":";
  for (int k = 0; k <= last; ++k) {
    if (k > 0) text += ',';
    text += line[k] ? std::to_string(*line[k]) : "-";
  }
  if (active_low) text += ":active-low";
  return text;
}

GpioMap parse_gpio_port(std::string_view text_form) {
  const auto fields = split(text_form, ':');
  if (fields.front() != "gpio")
    refuse("a port is given as gpio:CHIP:L2,L3,...,L9[:active-low], not '" +
           std::string(text_form) + "'");
  if (fields.size() < 3 || fields.size() > 4)
    refuse("a GPIO port is gpio:CHIP:L2,L3,...,L9[:active-low], not '" + std::string(text_form) +
           "'");
  GpioMap map;
  map.chip = std::string(fields[1]);
  check_chip(map.chip);
  map.line = parse_lines(fields[2]);
  if (fields.size() == 4) map.active_low = parse_polarity(fields[3]);
  return map;
}

GpioMap parse_port_file(std::string_view text) {
  GpioMap map;
  bool chip = false;
  bool lines = false;
  bool polarity = false;
  int number = 0;
  for (std::string_view line : split(text, '\n')) {
    ++number;
    const auto comment = line.find('#');
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    line = trimmed(line);
    if (line.empty()) continue;
    const auto gap = line.find_first_of(" \t");
    const std::string_view name = line.substr(0, gap);
    const std::string_view value =
        gap == std::string_view::npos ? std::string_view() : trimmed(line.substr(gap));
    auto once = [&](bool& seen) {
      if (seen) refuse(std::string(name) + " given twice");
      if (value.empty()) refuse(std::string(name) + " has no value");
      seen = true;
    };
    try {
      if (name == "chip") {
        once(chip);
        check_chip(value);
        map.chip = std::string(value);
      } else if (name == "lines") {
        once(lines);
        map.line = parse_lines(value);
      } else if (name == "polarity") {
        once(polarity);
        map.active_low = parse_polarity(value);
      } else {
        refuse("unknown field '" + std::string(name) + "'");
      }
    } catch (const std::invalid_argument& mistake) {
      refuse("line " + std::to_string(number) + ": " + mistake.what());
    }
  }
  if (!chip) refuse("no chip given");
  if (!lines) refuse("no lines given");
  return map;
}

}  // namespace kolvar::platform
