#include "chart/text_measure.h"

#include <cstddef>
#include <vector>

namespace kolvar::chart {

namespace {

bool continues(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::size_t characters(std::string_view text) {
  std::size_t n = 0;
  for (char byte : text) n += continues(byte) ? 0 : 1;
  return n;
}

}  // namespace

double RoughMeasure::width(std::string_view text, Font font) const {
  return static_cast<double>(characters(text)) * font.pixels * (font.bold ? 0.66 : 0.6);
}

double RoughMeasure::height(Font font) const {
  return font.pixels * 1.25;
}

std::string elided(std::string_view text, double room, Font font, const TextMeasure& measure) {
  if (measure.width(text, font) <= room) return std::string(text);
  const std::string_view ellipsis = "…";
  // Cut only where a character begins; the longest head that fits, found by
  // halving, as a longer head is never narrower.
  std::vector<std::size_t> ends;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!continues(text[i])) ends.push_back(i);
  auto with_ellipsis = [&](std::size_t end) {
    std::string cut(text.substr(0, end));
    return cut += ellipsis;
  };
  std::size_t lo = 0, hi = ends.size();  // ends[lo] fits unless lo is 0 and nothing does
  if (measure.width(with_ellipsis(0), font) > room) return std::string();
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    if (measure.width(with_ellipsis(ends[mid]), font) <= room)
      lo = mid;
    else
      hi = mid;
  }
  return with_ellipsis(ends.empty() ? 0 : ends[lo]);
}

}  // namespace kolvar::chart
