// Where the windows beside the main window go, given the main window's frame,
// their sizes and the screen: plain geometry, no display.
#include "desk/companion_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace kolvar::desk {

void PrintTo(const Box& b, std::ostream* os) {
  *os << "{" << b.left << "," << b.top << " " << b.width << "x" << b.height << "}";
}

namespace {

// Frames as a window manager draws them around the simulator's window and
// the plot.
constexpr CompanionExtent kSim{{467, 498}, {300, 400}};
constexpr CompanionExtent kPlot{{902, 541}, {340, 260}};

struct Case {
  const char* what;
  Box screen;
  Box main;
  std::vector<CompanionExtent> companions;
  std::vector<Box> expected;
  bool room = true;  // false: the screen is too small to keep clear of them
};

const std::vector<Case> kCases = {
    {"on a wide screen each goes to the right of the one before",
     {0, 0, 2560, 1440},
     {100, 100, 281, 413},
     {kSim, kPlot},
     {{389, 100, 467, 498}, {864, 100, 902, 541}}},
    {"at the screen's right edge it goes to the left",
     {0, 0, 1920, 1080},
     {1600, 200, 281, 413},
     {kSim},
     {{1125, 200, 467, 498}}},
    {"where neither side has room for it whole, below",
     {0, 0, 1024, 1400},
     {372, 100, 281, 413},
     {kPlot},
     {{122, 521, 902, 541}}},
    {"where below has no room either, above",
     {0, 0, 1024, 1400},
     {372, 900, 281, 413},
     {kPlot},
     {{122, 351, 902, 541}}},
    {"the plot beside the simulator's window does not fit: below both",
     {0, 0, 1600, 1200},
     {300, 100, 281, 413},
     {kSim, kPlot},
     {{589, 100, 467, 498}, {300, 606, 902, 541}}},
    {"no room for it whole anywhere: where it shows most, narrower",
     {0, 0, 1024, 768},
     {372, 178, 281, 413},
     {kPlot},
     {{0, 178, 364, 541}}},
    {"on a second screen, within that screen",
     {1920, 0, 1280, 1024},
     {2000, 50, 281, 413},
     {kPlot},
     {{2289, 50, 902, 541}}},
    {"the main window partly above the screen: the companion stays on it",
     {0, 0, 1920, 1080},
     {100, -50, 281, 413},
     {kPlot},
     {{389, 0, 902, 541}}},
    {"a screen too small for both: below, pushed up into the screen",
     {0, 0, 800, 600},
     {0, 0, 600, 500},
     {kPlot},
     {{0, 59, 800, 541}},
     false},
    {"nothing to place", {0, 0, 800, 600}, {0, 0, 600, 500}, {}, {}},
};

TEST(CompanionLayout, PlacesEachCompanionBesideTheOthersOnTheScreen) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::vector<Box> placed = lay_out_companions(c.main, c.companions, c.screen);
    EXPECT_EQ(placed, c.expected);
    if (!c.room) continue;
    // What a person sees: every window whole on the screen and none under
    // another, with room between them for the frames' edges.
    std::vector<Box> taken = {c.main};
    for (const Box& b : placed) {
      EXPECT_TRUE(b.inside(c.screen));
      for (const Box& other : taken) {
        const Box apart{other.left - kCompanionGap + 1, other.top - kCompanionGap + 1,
                        other.width + 2 * kCompanionGap - 2, other.height + 2 * kCompanionGap - 2};
        EXPECT_FALSE(b.overlaps(apart));
      }
      taken.push_back(b);
    }
  }
}

TEST(CompanionLayout, BoxesThatOnlyTouchDoNotOverlap) {
  const Box a{0, 0, 10, 10};
  EXPECT_FALSE(a.overlaps({10, 0, 5, 5}));
  EXPECT_FALSE(a.overlaps({0, 10, 5, 5}));
  EXPECT_TRUE(a.overlaps({9, 9, 5, 5}));
  EXPECT_TRUE(a.overlaps({2, 2, 1, 1}));  // within
  EXPECT_EQ(a.united({20, -5, 5, 5}), (Box{0, -5, 25, 15}));
}

}  // namespace
}  // namespace kolvar::desk
