// The packing's plates on their own: where the fusel oils gather on a
// closed column, as the pot beneath it is spent.
#include "sim/column.h"

#include <gtest/gtest.h>

namespace kolvar::sim {
namespace {

TEST(Column, FuselOilsGatherLowInThePackingOnceThePotIsSpent) {
  struct Case {
    const char* pot;
    double fraction;  // the pot's ethanol, mole fraction
    int lowest_peak;  // the plate richest in fusel oils, counted from the bottom
    int highest_peak;
    double least_gain, most_gain;  // that plate's share over the pot's
  };
  const Case cases[] = {
      // 40 %vol: they hardly leave the pot's weak liquid for the strong first plate.
      {"a fresh charge", 0.16, 1, 1, 1, 10},
      // 7 %vol: weak liquid climbs into the packing and carries them up, and
      // they pile up where the liquid is strong enough to hold them back.
      {"a spent charge", 0.022, 2, 3, 50, 1000},
  };
  for (const Case& c : cases) {
    Amount pot = amount_of_moles(1000, c.fraction);
    pot.tails = 0.0005 * pot.moles();
    Column column(12, amount_of_moles(3, 0.8));
    const Column::Top closed;  // all condensed and returned, nothing drawn
    for (int second = 0; second < 3600; ++second) column.run(1, 0.05, closed, pot);
    int peak = 1;
    for (int k = 2; k <= column.plates(); ++k)
      if (column.plate_tails(k) > column.plate_tails(peak)) peak = k;
    const double gain = column.plate_tails(peak) / (pot.tails / pot.moles());
    EXPECT_GE(peak, c.lowest_peak) << c.pot;
    EXPECT_LE(peak, c.highest_peak) << c.pot;
    EXPECT_GE(gain, c.least_gain) << c.pot;
    EXPECT_LE(gain, c.most_gain) << c.pot;
    EXPECT_LT(column.head_tails(), pot.tails / pot.moles()) << c.pot << ": the head stays clean";
  }
}

}  // namespace
}  // namespace kolvar::sim
