#include "io/coil.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "rig.h"

namespace kolvar::io {
namespace {

using ::testing::ElementsAre;

TEST(Coil, SwitchesOnlyItsPinsAndWrites) {
  Rig r;
  r.tick("zm", {2, 5});
  r.c.c(ctl::pin, 0).set_text("1");
  vkl2(r.c);
  EXPECT_EQ(r.image(), "11001000");
  otkl2(r.c);
  EXPECT_EQ(r.image(), "10000000");
  EXPECT_THAT(r.bytes(), ElementsAre(19, 1));
  EXPECT_EQ(r.c.c(ctl::Form1).text(), "Kolvar");
}

}  // namespace
}  // namespace kolvar::io
