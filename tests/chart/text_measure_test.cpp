// A text cut to its room: whole characters only, so a Cyrillic text never
// ends in half a letter.
#include "chart/text_measure.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvar::chart {
namespace {

// Ten pixels a character, whatever the font.
class Monospace : public TextMeasure {
 public:
  double width(std::string_view text, Font) const override {
    double n = 0;
    for (char byte : text) n += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 10 : 0;
    return n;
  }
  double height(Font) const override { return 12; }
};

TEST(Elided, CutsAtACharacterSoThatTheTextAndTheEllipsisFit) {
  const Monospace mono;
  const Font font{12};
  struct Case {
    const char* text;
    double room;
    const char* expected;
  } cases[] = {
      {"Стоп", 40, "Стоп"},              // fits exactly
      {"Стоп: перегрев", 60, "Стоп:…"},  // five letters and the ellipsis
      {"Стоп: перегрев", 59, "Стоп…"},
      {"Стоп", 10, "…"},
      {"Стоп", 9, ""},  // not even the ellipsis fits
      {"", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.room));
    const std::string cut = elided(c.text, c.room, font, mono);
    EXPECT_EQ(cut, c.expected);
    EXPECT_LE(mono.width(cut, font), c.room);
  }
}

TEST(RoughMeasure, GivesCharactersNotBytesTheirWidth) {
  const RoughMeasure rough;
  EXPECT_DOUBLE_EQ(rough.width("Бак", Font{10}), rough.width("Tank", Font{10}) * 3 / 4);
  EXPECT_GT(rough.width("Бак", Font{10, true}), rough.width("Бак", Font{10}));
}

}  // namespace
}  // namespace kolvar::chart
