// A colour brighter or darker keeps its hue, as the painters' own toolkits do
// (the table holds Qt's answers; a step of rounding apart is the same colour).
#include "chart/colour.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kolvar::chart {
namespace {

::testing::AssertionResult Near(Colour a, Colour b) {
  auto close = [](int x, int y) { return std::abs(x - y) <= 1; };
  if (close(a.red, b.red) && close(a.green, b.green) && close(a.blue, b.blue) && a.alpha == b.alpha)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << int(a.red) << ',' << int(a.green) << ',' << int(a.blue) << " is not " << int(b.red)
         << ',' << int(b.green) << ',' << int(b.blue);
}

TEST(Colour, LighterAndDarkerMoveTheValueAndPaleAColourAlreadyAtFullValue) {
  struct Case {
    Colour colour, lighter_115, darker_110;
  };
  // The role colours, white, black and a pure red.
  const Case cases[] = {
      {{213, 62, 79}, {245, 71, 91}, {194, 56, 72}},
      {{50, 100, 200}, {58, 115, 230}, {45, 91, 182}},
      {{230, 140, 20}, {255, 159, 32}, {209, 127, 18}},  // past full value: paler
      {{120, 70, 160}, {138, 81, 184}, {109, 64, 145}},
      {{255, 255, 255}, {255, 255, 255}, {232, 232, 232}},
      {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
      {{255, 0, 0}, {255, 38, 38}, {232, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << int(c.colour.red) << ',' << int(c.colour.green) << ',' << int(c.colour.blue));
    EXPECT_TRUE(Near(lighter(c.colour, 115), c.lighter_115));
    EXPECT_TRUE(Near(darker(c.colour, 110), c.darker_110));
  }
  EXPECT_EQ(lighter(Colour{60, 170, 90, 60}, 115).alpha, 60) << "the opacity stays";
}

}  // namespace
}  // namespace kolvar::chart
